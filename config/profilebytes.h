// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

namespace zv {

// The blanks that do not count around a profile file's names and values;
// 0x1A is the end-of-file mark that old DOS editors left behind.
inline bool isProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == 0x1A;
}

inline QByteArrayView trimmedProfileText(QByteArrayView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isProfileBlank(s[b]))
        ++b;
    while (e > b && isProfileBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

} // namespace zv
