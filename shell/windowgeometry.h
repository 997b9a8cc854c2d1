// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

namespace zv {

// Windows are designed in twips (1/1440 inch), 15 to a logical pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace zv
