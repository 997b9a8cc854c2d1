// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

namespace zv {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool isValidUtf8(QByteArrayView bytes);

// Decodes UTF-8 as it stands. A byte-order mark is kept as U+FEFF wherever
// it is: QString::fromUtf8 drops one at the start of each piece it decodes, so
// a value or name that begins with one would read differently as a piece of
// the file than within the whole file.
QString fromUtf8KeepingMarks(QByteArrayView bytes);

// Decodes Windows-1252; the five bytes the code page leaves undefined map to
// the control characters of the same number, as Windows maps them.
QString fromWindows1252(QByteArrayView bytes);

} // namespace zv
