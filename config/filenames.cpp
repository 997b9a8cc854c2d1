// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/filenames.h"

#include "config/textencoding.h"

#include <sys/stat.h>

namespace zv {

namespace {

constexpr char16_t EscapedByteBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
qsizetype utf8SequenceLength(QByteArrayView bytes)
{
    const auto c = static_cast<unsigned char>(bytes.front());
    const qsizetype length = c < 0x80 ? 1 : c < 0xC0 ? 0 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (length == 0 || length > bytes.size())
        return 0;
    return isValidUtf8(bytes.first(length)) ? length : 0;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype length = utf8SequenceLength(bytes);
        if (length == 0) {
            name += QChar(char16_t(EscapedByteBase + static_cast<unsigned char>(bytes.front())));
            bytes = bytes.sliced(1);
        } else {
            name += QString::fromUtf8(bytes.first(length));
            bytes = bytes.sliced(length);
        }
    }
    return name;
}

QByteArray fileNameBytes(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        // A low surrogate after a high one went with it as a pair.
        const bool escapedByte =
            c.unicode() >= EscapedByteBase + 0x80 && c.unicode() <= EscapedByteBase + 0xFF;
        if (escapedByte) {
            bytes += char(c.unicode() - EscapedByteBase);
        } else {
            bytes += QStringView(name).sliced(i, pair ? 2 : 1).toUtf8();
            i += pair;
        }
    }
    return bytes;
}

PathKind pathKind(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(fileNameBytes(path).constData(), &info) != 0)
        return PathKind::None;
    if (S_ISREG(info.st_mode))
        return PathKind::RegularFile;
    return S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::Other;
}

} // namespace zv
