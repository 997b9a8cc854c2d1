// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QStyle;

namespace zv {

// The contrast ratio of two colours as accessibility guidelines measure it,
// from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The least contrast a focus mark keeps against the colours around it.
inline constexpr double FocusMarkContrast = 3.0;

// The colour of a focus mark drawn on `surface`: the hue of `accent`, made
// lighter or darker only as far as it takes to stand out from the surface by
// FocusMarkContrast (a little more, so rounding never brings it below).
QColor focusMarkColor(const QColor &accent, const QColor &surface);

// The program's style: Fusion, which honours the palettes the skins set, with
// a focus mark everyone can see on whichever control has the focus, however
// the focus came there. The mark is a ring 2 pixels wide in focusMarkColor of
// the palette's highlight on the surface around it, with a pixel of that
// surface on either side, so it keeps its contrast in any skin. The caller
// owns the style (QApplication::setStyle takes it).
QStyle *createProgramStyle();

} // namespace zv
