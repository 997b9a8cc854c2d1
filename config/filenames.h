// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zv {

// A file name or argument as the system gives it, as text: UTF-8 decoded,
// and each byte that is no part of valid UTF-8 kept as the lone surrogate
// U+DC80 + byte, so that fileNameBytes gives the very bytes back and a file
// whose name is not UTF-8 can still be opened.
QString fileNameFromBytes(QByteArrayView bytes);

// The bytes of a file name made by fileNameFromBytes (or any text).
QByteArray fileNameBytes(const QString &name);

// What lies at a path, asked of the system by the name's bytes.
enum class PathKind { None, RegularFile, Directory, Other };
PathKind pathKind(const QString &path);
inline bool isRegularFile(const QString &path)
{
    return pathKind(path) == PathKind::RegularFile;
}

} // namespace zv
