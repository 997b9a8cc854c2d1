// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "referenceprofile.h"

#include "config/profilesnapshot.h"
#include "config/textencoding.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\n'
           || c == QChar(0x1A);
}

QStringView trim(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QString decodeAll(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes);
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes);
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return zv::isValidUtf8(body) ? zv::fromUtf8KeepingMarks(body) : zv::fromWindows1252(body);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString valueOf(QStringView value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    if (const qsizetype nul = value.indexOf(QChar(0)); nul >= 0)
        value = value.first(nul);
    QString text = value.toString();
    if (text.size() > zv::MaxIniValueLength)
        text.truncate(text[zv::MaxIniValueLength - 1].isHighSurrogate()
                          ? zv::MaxIniValueLength - 1
                          : zv::MaxIniValueLength);
    return text;
}

} // namespace

QString referenceValue(const QByteArray &bytes, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    const QString text = decodeAll(bytes);
    const QStringView wantedSection = trim(section);
    const QStringView wantedKey = trim(key);
    QStringList seenSections;
    bool inWanted = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = trim(QStringView(text).sliced(start, end - start));
        start = end + 1;
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = trim(close < 0 ? line.sliced(1) : line.sliced(1, close - 1));
            bool seen = false;
            for (const QString &earlier : seenSections)
                seen = seen || sameName(earlier, name);
            if (inWanted)
                return defaultValue;
            inWanted = !seen && sameName(name, wantedSection);
            seenSections.append(name.toString());
            continue;
        }
        if (!inWanted)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (!sameName(trim(equals < 0 ? line : line.first(equals)), wantedKey))
            continue;
        return equals < 0 ? defaultValue : valueOf(trim(line.sliced(equals + 1)));
    }
    return defaultValue;
}
