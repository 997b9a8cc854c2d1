// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QLabel;
class QWidget;

namespace zv {

// A label at a fixed place that shows its text as plain text, wrapped at
// word boundaries from the top left, as the program's labels always did.
// Texts come from configuration files, so they are never read as markup.
QLabel *placePlainLabel(QWidget *parent, const char *name, const QRect &geometry);

} // namespace zv
