// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/profilesnapshot.h"

#include "config/textencoding.h"

#include <QFile>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <bit>
#include <cerrno>
#include <cstring>
#include <type_traits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

bool isBlank(char c)
{
    // 0x1A is the end-of-file mark that old DOS editors left behind.
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == 0x1A;
}

QByteArrayView trimmed(QByteArrayView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

bool isAscii(QByteArrayView s)
{
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// A name as names are compared: letter case folded. ASCII names, nearly all
// of them, are folded on the fly without allocating: those of the file are
// read in place, those asked for go into a small buffer.
class FoldedName
{
public:
    FoldedName(QByteArrayView bytes, bool windows1252)
    {
        if (isAscii(bytes))
            m_ascii = bytes;
        else
            assignFolded(windows1252 ? fromWindows1252(bytes) : fromUtf8KeepingMarks(bytes));
    }

    // A name asked for; the same blanks as around the file's names do not count.
    explicit FoldedName(QAnyStringView text) : m_inPlace(false)
    {
        if (!foldAscii(text))
            assignFolded(text.toString());
        while (!m_units.isEmpty() && m_units.back() < 0x80 && isBlank(char(m_units.back())))
            m_units.removeLast();
        qsizetype blanks = 0;
        while (blanks < m_units.size() && m_units[blanks] < 0x80 && isBlank(char(m_units[blanks])))
            ++blanks;
        m_units.remove(0, blanks);
    }

    qsizetype size() const { return m_inPlace ? m_ascii.size() : m_units.size(); }

    char16_t at(qsizetype i) const
    {
        if (!m_inPlace)
            return m_units[i];
        const char c = m_ascii[i];
        return char16_t(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }

    // FNV-1a over the folded units, within a scope (the section of a key).
    std::uint64_t hash(std::uint32_t scope) const
    {
        std::uint64_t h = 0xcbf29ce484222325ull ^ scope;
        for (qsizetype i = 0; i < size(); ++i) {
            h ^= at(i);
            h *= 0x100000001b3ull;
        }
        return h ^ (h >> 29);
    }

    friend bool operator==(const FoldedName &a, const FoldedName &b)
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a.at(i) != b.at(i))
                return false;
        }
        return true;
    }

private:
    static char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

    // Folds an all-ASCII text into m_units; false for any other text.
    bool foldAscii(QAnyStringView text)
    {
        auto fold = [this](const auto *units, qsizetype n) {
            for (qsizetype i = 0; i < n; ++i) {
                if (char16_t(units[i]) >= 0x80)
                    return false;
            }
            for (qsizetype i = 0; i < n; ++i)
                m_units.append(lowerAscii(char16_t(units[i])));
            return true;
        };
        return text.visit([&fold](auto view) {
            if constexpr (std::is_same_v<decltype(view), QStringView>)
                return fold(view.utf16(), view.size());
            else
                return fold(reinterpret_cast<const unsigned char *>(view.data()), view.size());
        });
    }

    void assignFolded(const QString &text)
    {
        m_inPlace = false;
        const QString folded = text.toCaseFolded();
        m_units.clear();
        m_units.append(reinterpret_cast<const char16_t *>(folded.utf16()), folded.size());
    }

    bool m_inPlace = true;
    QByteArrayView m_ascii;
    QVarLengthArray<char16_t, 48> m_units;
};

std::vector<std::uint32_t> emptySlots(std::size_t entries)
{
    return std::vector<std::uint32_t>(std::bit_ceil(2 * entries + 2), 0);
}

// Walks an open-addressing table from the name's home slot; `visit` gets
// each occupied slot's entry and says whether it is the one. Returns that
// slot, or the first free slot reached.
template <typename Slots, typename Visit>
auto &probe(Slots &slots, std::uint64_t hash, Visit visit)
{
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots[i] == 0 || visit(slots[i] - 1))
            return slots[i];
    }
}

// Reads at most MaxProfileFileSize + 1 bytes, so a file that grows while it
// is read is still recognised as too large. Plain system calls, opened
// non-blocking, so that a named pipe in a file's place cannot stall the
// program.
ProfileSnapshot::Source readFile(const QString &path, QByteArray &bytes)
{
    using Source = ProfileSnapshot::Source;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Source::Missing;
    struct stat info;
    Source source = Source::Missing;
    if (::fstat(fd, &info) != 0) {
        source = Source::Missing;
    } else if (!S_ISREG(info.st_mode)) {
        source = Source::NotRegularFile;
    } else if (info.st_size > MaxProfileFileSize) {
        source = Source::TooLarge;
    } else {
        constexpr qsizetype limit = MaxProfileFileSize + 1;
        bytes.resize(std::min<qsizetype>(qsizetype(info.st_size) + 1, limit));
        qsizetype used = 0;
        bool failed = false;
        for (;;) {
            if (used == bytes.size()) {
                if (used >= limit)
                    break;
                bytes.resize(std::min(used * 2, limit));
            }
            const ssize_t got = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
            if (got > 0)
                used += got;
            else if (got < 0 && errno == EINTR)
                continue;
            else {
                failed = got < 0;
                break;
            }
        }
        bytes.truncate(used);
        source = failed ? Source::Missing : used > MaxProfileFileSize ? Source::TooLarge : Source::Read;
    }
    ::close(fd);
    if (source != Source::Read)
        bytes.clear();
    return source;
}

} // namespace

ProfileSnapshot::ProfileSnapshot() = default;

ProfileSnapshot ProfileSnapshot::fromFile(const QString &path)
{
    QByteArray bytes;
    const Source source = readFile(path, bytes);
    if (source != Source::Read) {
        ProfileSnapshot empty;
        empty.m_source = source;
        return empty;
    }
    return fromBytes(std::move(bytes));
}

ProfileSnapshot ProfileSnapshot::fromBytes(QByteArray raw)
{
    ProfileSnapshot s;
    s.m_source = Source::Read;
    if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF")) {
        auto decoder = QStringDecoder(raw.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                                 : QStringConverter::Utf16BE);
        s.m_text = QString(decoder(raw)).toUtf8();
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
        const QByteArrayView line = trimmed(text.sliced(pos, end - pos));
        pos = end + (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n' ? 2 : 1);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            const QByteArrayView name =
                trimmed(close < 0 ? line.sliced(1) : line.sliced(1, close - 1));
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
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView name = trimmed(equals < 0 ? line : line.first(equals));
        key.nameBegin = offset(name);
        key.nameLength = std::uint32_t(name.size());
        if (equals >= 0) {
            const QByteArrayView value = trimmed(line.sliced(equals + 1));
            key.hasValue = true;
            key.valueBegin = offset(value);
            key.valueLength = std::uint32_t(value.size());
        }
        m_keys.push_back(key);
    }
}

void ProfileSnapshot::index()
{
    const bool w1252 = m_encoding == Encoding::Windows1252;
    m_sectionSlots = emptySlots(m_sections.size());
    for (std::uint32_t i = 0; i < m_sections.size(); ++i) {
        Section &section = m_sections[i];
        const FoldedName name(bytes(section.nameBegin, section.nameLength), w1252);
        std::uint32_t &slot = probe(m_sectionSlots, name.hash(~0u), [&](std::uint32_t other) {
            const Section &o = m_sections[other];
            return FoldedName(bytes(o.nameBegin, o.nameLength), w1252) == name;
        });
        section.counts = slot == 0;
        if (section.counts)
            slot = i + 1;
    }
    std::size_t candidates = 0;
    for (const Key &key : m_keys)
        candidates += key.section >= 0 && m_sections[std::size_t(key.section)].counts;
    m_keySlots = emptySlots(candidates);
    for (std::uint32_t i = 0; i < m_keys.size(); ++i) {
        Key &key = m_keys[i];
        if (key.section < 0 || !m_sections[std::size_t(key.section)].counts)
            continue;
        const FoldedName name(bytes(key.nameBegin, key.nameLength), w1252);
        std::uint32_t &slot =
            probe(m_keySlots, name.hash(std::uint32_t(key.section)), [&](std::uint32_t other) {
                const Key &o = m_keys[other];
                return o.section == key.section
                       && FoldedName(bytes(o.nameBegin, o.nameLength), w1252) == name;
            });
        key.counts = slot == 0;
        if (key.counts)
            slot = i + 1;
    }
}

int ProfileSnapshot::sectionIndex(QAnyStringView name) const
{
    if (m_sectionSlots.empty())
        return -1;
    const bool w1252 = m_encoding == Encoding::Windows1252;
    const FoldedName wanted(name);
    const std::uint32_t slot = probe(m_sectionSlots, wanted.hash(~0u), [&](std::uint32_t i) {
        const Section &s = m_sections[i];
        return FoldedName(bytes(s.nameBegin, s.nameLength), w1252) == wanted;
    });
    return int(slot) - 1;
}

const ProfileSnapshot::Key *ProfileSnapshot::find(QAnyStringView section, QAnyStringView key) const
{
    return find(sectionIndex(section), key);
}

const ProfileSnapshot::Key *ProfileSnapshot::find(int s, QAnyStringView key) const
{
    if (s < 0)
        return nullptr;
    const bool w1252 = m_encoding == Encoding::Windows1252;
    const FoldedName wanted(key);
    const std::uint32_t slot =
        probe(m_keySlots, wanted.hash(std::uint32_t(s)), [&](std::uint32_t i) {
            const Key &k = m_keys[i];
            return k.section == s && FoldedName(bytes(k.nameBegin, k.nameLength), w1252) == wanted;
        });
    return slot ? &m_keys[slot - 1] : nullptr;
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

QString ProfileSnapshot::sectionName(const Section &section) const
{
    return decode(bytes(section.nameBegin, section.nameLength));
}

QString ProfileSnapshot::keyName(const Key &key) const
{
    return decode(bytes(key.nameBegin, key.nameLength));
}

namespace {

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

std::optional<QString> ProfileSnapshot::keyValue(const Key &key) const
{
    if (!key.hasValue)
        return std::nullopt;
    QString text = decode(unquoted(bytes(key.valueBegin, key.valueLength)));
    if (text.size() > MaxIniValueLength)
        text.truncate(cutPosition(text));
    return text;
}

bool ProfileSnapshot::valueIsCut(const Key &key) const
{
    return key.hasValue
           && decode(unquoted(bytes(key.valueBegin, key.valueLength))).size() > MaxIniValueLength;
}

} // namespace zv
