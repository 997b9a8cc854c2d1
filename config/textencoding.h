#pragma once

#include <QByteArrayView>
#include <QString>

namespace zv {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool isValidUtf8(QByteArrayView bytes);

// Decodes Windows-1252; the five bytes the code page leaves undefined map to
// the control characters of the same number, as Windows maps them.
QString fromWindows1252(QByteArrayView bytes);

} // namespace zv
