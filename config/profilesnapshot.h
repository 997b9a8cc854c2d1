// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QAnyStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace zv {

// The longest value a read returns; longer values come back cut to this.
constexpr int MaxIniValueLength = 999;

// Files larger than this are not read at all: no language file or skin comes
// near it, and reading one would only cost the user memory and time.
constexpr qint64 MaxProfileFileSize = 64 * 1024 * 1024;

// One profile (INI) file, read, decoded and indexed once, so that every
// lookup after that is a hash lookup. Files read as the Windows profile
// functions read them, since language versions and skins are often made there:
// - A line whose first non-blank character is '[' opens a section; its name
//   ends at the first ']' (or the line's end when there is none). "KEY=value"
//   lines belong to the section above them; lines above the first section
//   belong to none. Names match without regard to letter case; blanks around
//   names and values do not count.
// - Only the first section of a name and its first key of a name count; a
//   key line without '=' counts too, and gives no value.
// - A value wholly enclosed in double or single quotes loses the quotes; a
//   NUL character cuts it; it is cut to MaxIniValueLength characters.
// - Lines that begin with ';' are comments; lines end at CR, LF or CRLF.
// - Text is UTF-16 when the file starts with its byte-order mark, UTF-8
//   (byte-order mark optional) when the file is valid UTF-8, otherwise
//   Windows-1252.
// Indexing and every lookup take time in proportion to the names involved,
// however the file's names were chosen.
class ProfileSnapshot
{
public:
    enum class Source { Read, Missing, NotRegularFile, TooLarge };
    enum class Encoding { Utf8, Utf8WithByteOrderMark, Utf16, Windows1252 };

    struct Section
    {
        int line = 0;              // 1-based
        bool counts = false;       // false for a later section of the same name
        bool textAfterBracket = false;
        std::uint32_t nameBegin = 0;
        std::uint32_t nameLength = 0;
    };

    // A line inside a section, or a stray line above the first section. Kept
    // to 16 bytes, as a file of short lines holds millions of them.
    struct Key
    {
        int section = -1;          // index into sections(); -1 above the first
        int line = 0;              // 1-based
        std::uint32_t begin = 0;   // the line's text without the blanks around it
        std::uint32_t end : 30 = 0;
        bool counts : 1 = false;   // the key a lookup finds
        bool hasValue : 1 = false; // false: the line has no '='
    };

    // An empty snapshot: every lookup finds nothing.
    ProfileSnapshot();

    // Reads the file; a missing or unreadable file, anything that is not a
    // regular file and a file larger than MaxProfileFileSize give an empty
    // snapshot whose source() says why. The path may hold any bytes a file
    // name can (see fileNameBytes).
    static ProfileSnapshot fromFile(const QString &path);
    // More than MaxProfileFileSize bytes give an empty snapshot too.
    static ProfileSnapshot fromBytes(QByteArray bytes);

    Source source() const { return m_source; }
    Encoding encoding() const { return m_encoding; }

    // The value that counts, or nothing where the section, the key or the
    // key's '=' is missing.
    std::optional<QString> value(QAnyStringView section, QAnyStringView key) const;
    QString value(QAnyStringView section, QAnyStringView key, const QString &defaultValue) const;

    // The key that counts, or nullptr.
    const Key *find(QAnyStringView section, QAnyStringView key) const;

    // The index of the section of that name that counts, or -1; for readers
    // that ask many keys of one section.
    int sectionIndex(QAnyStringView name) const;
    const Key *find(int section, QAnyStringView key) const;

    // Every section header and every key line, in file order, for tools that
    // report on the whole file.
    const std::vector<Section> &sections() const { return m_sections; }
    const std::vector<Key> &keys() const { return m_keys; }
    QString sectionName(const Section &section) const;
    QString keyName(const Key &key) const;
    std::optional<QString> keyValue(const Key &key) const;
    // Whether the key's value is longer than MaxIniValueLength characters.
    bool valueIsCut(const Key &key) const;

private:
    // An open-addressing table of entry numbers + 1 (0: free slot).
    struct NameTable
    {
        std::vector<std::uint32_t> slots;
        std::size_t entries = 0;
    };

    QByteArrayView bytes(std::uint32_t begin, std::uint32_t length) const;
    QByteArrayView sectionNameBytes(const Section &section) const;
    QByteArrayView keyNameBytes(const Key &key) const;
    std::optional<QByteArrayView> valueBytes(const Key &key) const;
    QString decode(QByteArrayView bytes) const;
    void parse();
    void index();

    Source m_source = Source::Missing;
    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_text;  // UTF-8 or Windows-1252, without byte-order mark
    std::vector<Section> m_sections;
    std::vector<Key> m_keys;
    NameTable m_sectionTable;
    NameTable m_keyTable;
};

} // namespace zv
