// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/result.h"

#include <QColor>
#include <QString>

#include <cstdint>

namespace zv {

// The colour number a colour text stands for: red + 256 × green + 65536 ×
// blue. The text's leading number counts (decimal, "&H" hexadecimal or "&O"
// octal, blanks anywhere ignored), rounded half to even; a text without one
// is 0, black. Fails only for numbers beyond 32 bits.
Result<std::int32_t> ColorFromText(const QString &text);

enum class ColorRole { Foreground, Background };

// The colour to show for a colour text. Numbers outside 0..16777215 are no
// colour of this format (the Windows version read some as system colours):
// they show as the setting's default, white text or black background.
QColor skinColor(const QString &text, ColorRole role);

} // namespace zv
