#include "config/profilereader.h"

#include "config/textencoding.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

enum class Encoding { Utf8, Windows1252 };

// The file's bytes as UTF-8 or Windows-1252, byte-order marks removed.
struct ProfileText
{
    QByteArray bytes;
    qsizetype start = 0;
    Encoding encoding = Encoding::Utf8;
};

ProfileText loadText(QByteArray raw)
{
    ProfileText text;
    if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF")) {
        auto decode = QStringDecoder(raw.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                                : QStringConverter::Utf16BE);
        text.bytes = QString(decode(raw)).toUtf8();
        return text;
    }
    text.bytes = std::move(raw);
    if (text.bytes.startsWith("\xEF\xBB\xBF"))
        text.start = 3;
    const QByteArrayView body = QByteArrayView(text.bytes).sliced(text.start);
    text.encoding = isValidUtf8(body) ? Encoding::Utf8 : Encoding::Windows1252;
    return text;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
}

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

// Compares names of the file with a requested name without regard to case,
// byte-wise for the common all-ASCII case.
class NameMatcher
{
public:
    NameMatcher(const QString &name, Encoding encoding)
        : m_name(name.trimmed()), m_ascii(m_name.toLatin1()), m_encoding(encoding)
    {
        m_isAscii = true;
        for (QChar c : m_name)
            m_isAscii = m_isAscii && c.unicode() < 0x80;
    }

    bool matches(QByteArrayView candidate) const
    {
        if (m_isAscii && isAscii(candidate)) {
            return candidate.size() == m_ascii.size()
                   && qstrnicmp(candidate.data(), m_ascii.constData(), candidate.size()) == 0;
        }
        return decode(candidate, m_encoding).compare(m_name, Qt::CaseInsensitive) == 0;
    }

private:
    QString m_name;
    QByteArray m_ascii;
    Encoding m_encoding;
    bool m_isAscii = true;
};

// Walks the lines of a text whose lines may end in CR, LF or CRLF. The
// positions of the next CR and LF are remembered, so every byte is searched
// once even in a large file.
class LineReader
{
public:
    explicit LineReader(QByteArrayView text) : m_text(text) {}

    bool next(QByteArrayView &line)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        if (m_nextLf < m_pos)
            m_nextLf = find('\n');
        if (m_nextCr < m_pos)
            m_nextCr = find('\r');
        const qsizetype end = std::min(m_nextLf, m_nextCr);
        line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end + 1;
        return true;
    }

private:
    qsizetype find(char c) const
    {
        const void *hit = std::memchr(m_text.data() + m_pos, c, size_t(m_text.size() - m_pos));
        return hit ? static_cast<const char *>(hit) - m_text.data() : m_text.size();
    }

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    qsizetype m_nextLf = -1;
    qsizetype m_nextCr = -1;
};

QByteArrayView sectionName(QByteArrayView line)
{
    const qsizetype close = line.lastIndexOf(']');
    return close < 0 ? QByteArrayView() : trimmed(line.sliced(1, close - 1));
}

QString valueText(QByteArrayView value, Encoding encoding)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0)
        value = value.first(nul);
    QString text = decode(value, encoding);
    if (text.size() > MaxIniValueLength) {
        qsizetype cut = MaxIniValueLength;
        if (text[cut - 1].isHighSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
}

// The whole file, or nothing when it cannot be read. Plain system calls: the
// file is read at every lookup, so the few it takes matter.
std::optional<QByteArray> readWholeFile(const QString &path)
{
    // Non-blocking, so that a named pipe in a file's place cannot stall the
    // program; only regular files are read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat info;
    std::optional<QByteArray> content;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // One byte more than the size, so a file that grew is still read whole.
        QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
        qsizetype used = 0;
        ssize_t got = 0;
        do {
            if (used == bytes.size())
                bytes.resize(bytes.size() * 2);
            got = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
            if (got > 0)
                used += got;
        } while (got > 0 || (got < 0 && errno == EINTR));
        if (got == 0) {
            bytes.truncate(used);
            content = std::move(bytes);
        }
    }
    ::close(fd);
    return content;
}

} // namespace

QString ReadIniValue(const QString &section, const QString &key, const QString &defaultValue,
                     const QString &file)
{
    std::optional<QByteArray> bytes = readWholeFile(file);
    if (!bytes)
        return defaultValue;
    const ProfileText text = loadText(std::move(*bytes));
    const NameMatcher wantedSection(section, text.encoding);
    const NameMatcher wantedKey(key, text.encoding);

    LineReader lines(QByteArrayView(text.bytes).sliced(text.start));
    QByteArrayView line;
    bool inSection = false;
    while (lines.next(line)) {
        // Most lines are keys of other sections: look no further than their
        // first character unless they open a section.
        qsizetype first = 0;
        while (first < line.size() && isBlank(line[first]))
            ++first;
        if (first == line.size() || line[first] == ';' || (!inSection && line[first] != '['))
            continue;
        line = trimmed(line.sliced(first));
        if (line.front() == '[' && line.contains(']')) {
            if (inSection)
                return defaultValue;  // only the first section of the name counts
            inSection = wantedSection.matches(sectionName(line));
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView name = trimmed(equals < 0 ? line : line.first(equals));
        if (!wantedKey.matches(name))
            continue;
        if (equals < 0)
            return defaultValue;
        return valueText(trimmed(line.sliced(equals + 1)), text.encoding);
    }
    return defaultValue;
}

} // namespace zv
