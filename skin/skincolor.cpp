// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/skincolor.h"

#include "config/conversions.h"

namespace zv {

Result<std::int32_t> ColorFromText(const QString &text)
{
    return colorNumberFromText(text);
}

QColor skinColor(const QString &text, ColorRole role)
{
    const Result<std::int32_t> number = ColorFromText(text);
    if (!number.ok() || number.value() < 0 || number.value() > 0xFFFFFF)
        return role == ColorRole::Foreground ? QColor(Qt::white) : QColor(Qt::black);
    const std::int32_t n = number.value();
    return QColor(n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF);
}

} // namespace zv
