#pragma once

#include <QString>

namespace zv {

// The longest value a read returns; longer values come back cut to this.
constexpr int MaxIniValueLength = 999;

// Reads one value from a profile (INI) file, reading the file anew at every
// call: no cache, no handle kept. Files read as the Windows profile functions
// read them, since language versions and skins are often made there:
// - "[SECTION]" lines open sections; "KEY=value" lines belong to the section
//   above them. Section and key names match without regard to letter case;
//   blanks around names and values do not count.
// - Only the first section of a name and its first key of a name count.
// - A value wholly enclosed in double or single quotes loses the quotes.
// - Lines that begin with ';' are comments; lines end at CR, LF or CRLF.
// - Text is UTF-16 when the file starts with its byte-order mark, UTF-8
//   (byte-order mark optional) when the file is valid UTF-8, otherwise
//   Windows-1252.
// Returns the value (the empty text for "KEY="), cut at a NUL character and
// to MaxIniValueLength characters, or `defaultValue` when the file, the
// section, the key or its equals sign is missing.
QString ReadIniValue(const QString &section, const QString &key, const QString &defaultValue,
                     const QString &file);

} // namespace zv
