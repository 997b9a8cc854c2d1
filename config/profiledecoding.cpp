// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding a profile file's bytes: its encoding, its lines, and the names
// and values they hold.
#include "config/profilesnapshot.h"

#include "config/profilebytes.h"
#include "config/textencoding.h"

#include <QStringDecoder>

#include <cstring>

namespace zv {

namespace {

// The number of lines, so the key lines fit without the vector growing: a
// 64 MiB file may hold millions, and growth would briefly hold them twice.
std::size_t countLines(QByteArrayView text)
{
    // memchr, as a byte-by-byte loop costs a comparison per byte; a CR
    // counts where no LF follows it.
    const char *data = text.data();
    const char *end = data + text.size();
    const auto next = [end](const char *from, char c) {
        return static_cast<const char *>(std::memchr(from, c, size_t(end - from)));
    };
    std::size_t lines = 1;
    for (const char *p = next(data, '\n'); p; p = next(p + 1, '\n'))
        ++lines;
    for (const char *p = next(data, '\r'); p; p = next(p + 1, '\r'))
        lines += p + 1 == end || p[1] != '\n';
    return lines;
}

// The value's bytes without enclosing quotes and from a NUL character on.
QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0)
        value = value.first(nul);
    return value;
}

// Where a text longer than MaxIniValueLength is cut, never inside a
// surrogate pair.
qsizetype cutPosition(const QString &text)
{
    qsizetype cut = MaxIniValueLength;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return cut;
}

} // namespace

ProfileSnapshot::ProfileSnapshot() = default;

ProfileSnapshot ProfileSnapshot::fromBytes(QByteArray raw)
{
    ProfileSnapshot s;
    if (raw.size() > MaxProfileFileSize) {
        s.m_source = Source::TooLarge;
        return s;
    }
    s.m_source = Source::Read;
    if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF")) {
        auto decoder = QStringDecoder(raw.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                                 : QStringConverter::Utf16BE);
        QString text = decoder(raw);
        raw = QByteArray(); // not held beside the text, at 64 MiB
        s.m_text = text.toUtf8();
        s.m_encoding = Encoding::Utf16;
    } else {
        s.m_text = std::move(raw);
        if (s.m_text.startsWith("\xEF\xBB\xBF")) {
            s.m_text.remove(0, 3);
            s.m_encoding = Encoding::Utf8WithByteOrderMark;
        }
        if (!isValidUtf8(s.m_text))
            s.m_encoding = Encoding::Windows1252;
    }
    s.parse();
    s.index();
    return s;
}

QByteArrayView ProfileSnapshot::bytes(std::uint32_t begin, std::uint32_t length) const
{
    return QByteArrayView(m_text).sliced(begin, length);
}

QString ProfileSnapshot::decode(QByteArrayView bytes) const
{
    return m_encoding == Encoding::Windows1252 ? fromWindows1252(bytes)
                                                : fromUtf8KeepingMarks(bytes);
}

void ProfileSnapshot::parse()
{
    const QByteArrayView text(m_text);
    const char *data = text.data();
    const qsizetype size = text.size();
    auto offset = [data](QByteArrayView part) { return std::uint32_t(part.data() - data); };
    m_keys.reserve(countLines(text));
    // The next CR and LF are remembered, so every byte is searched once.
    qsizetype nextLf = -1;
    qsizetype nextCr = -1;
    auto find = [&](char c, qsizetype from) {
        const void *hit = std::memchr(data + from, c, size_t(size - from));
        return hit ? static_cast<const char *>(hit) - data : size;
    };
    int current = -1;
    int lineNumber = 0;
    for (qsizetype pos = 0; pos < size;) {
        ++lineNumber;
        if (nextLf < pos)
            nextLf = find('\n', pos);
        if (nextCr < pos)
            nextCr = find('\r', pos);
        const qsizetype end = std::min(nextLf, nextCr);
        const QByteArrayView line = trimmedProfileText(text.sliced(pos, end - pos));
        pos = end + (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            const QByteArrayView name =
                trimmedProfileText(close < 0 ? line.sliced(1) : line.sliced(1, close - 1));
            Section section;
            section.line = lineNumber;
            section.textAfterBracket = close >= 0 && close + 1 < line.size();
            section.nameBegin = offset(name);
            section.nameLength = std::uint32_t(name.size());
            current = int(m_sections.size());
            m_sections.push_back(section);
            continue;
        }
        Key key;
        key.section = current;
        key.line = lineNumber;
        key.begin = offset(line);
        key.end = offset(line) + std::uint32_t(line.size());
        key.hasValue = line.contains('=');
        m_keys.push_back(key);
    }
    m_sections.shrink_to_fit();
}

QByteArrayView ProfileSnapshot::sectionNameBytes(const Section &section) const
{
    return bytes(section.nameBegin, section.nameLength);
}

QByteArrayView ProfileSnapshot::keyNameBytes(const Key &key) const
{
    const QByteArrayView line = bytes(key.begin, key.end - key.begin);
    const qsizetype equals = line.indexOf('=');
    return trimmedProfileText(equals < 0 ? line : line.first(equals));
}

std::optional<QByteArrayView> ProfileSnapshot::valueBytes(const Key &key) const
{
    const QByteArrayView line = bytes(key.begin, key.end - key.begin);
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return trimmedProfileText(line.sliced(equals + 1));
}

QString ProfileSnapshot::sectionName(const Section &section) const
{
    return decode(sectionNameBytes(section));
}

QString ProfileSnapshot::keyName(const Key &key) const
{
    return decode(keyNameBytes(key));
}

std::optional<QString> ProfileSnapshot::keyValue(const Key &key) const
{
    const std::optional<QByteArrayView> value = valueBytes(key);
    if (!value)
        return std::nullopt;
    QString text = decode(unquoted(*value));
    if (text.size() > MaxIniValueLength)
        text.truncate(cutPosition(text));
    return text;
}

bool ProfileSnapshot::valueIsCut(const Key &key) const
{
    const std::optional<QByteArrayView> value = valueBytes(key);
    return value && decode(unquoted(*value)).size() > MaxIniValueLength;
}

std::optional<QString> ProfileSnapshot::value(QAnyStringView section, QAnyStringView key) const
{
    const Key *found = find(section, key);
    return found ? keyValue(*found) : std::nullopt;
}

QString ProfileSnapshot::value(QAnyStringView section, QAnyStringView key,
                               const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

} // namespace zv
