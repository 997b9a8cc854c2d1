// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/result.h"

#include <QStringView>

#include <cstdint>

// Conversions of configuration texts to numbers and truth values. They read
// numbers the way the program's Windows version did, so that language and
// skin files made for it mean the same here.
namespace zv {

// The leading number of a text, never a failure for want of digits:
// blanks, tabs and line feeds are skipped wherever they stand; an optional
// sign, digits, an optional point with digits and an optional exponent
// (E or D) are read up to the first character that cannot continue them;
// "&H" and "&O" introduce hexadecimal and octal digits, which are read as a
// 16-bit two's complement value when they fit in 16 bits and as a 32-bit one
// otherwise ("&HFFFF" is -1). A text without a leading number is 0.
// Fails with "Overflow" for a number beyond the range of a double or hex
// digits beyond 32 bits. With RadixDigits::Unsigned, hexadecimal and octal
// digits keep their plain value ("&HFFFF" is 65535).
enum class RadixDigits { TwosComplement, Unsigned };
Result<double> leadingNumber(QStringView text,
                             RadixDigits radixDigits = RadixDigits::TwosComplement);

// A text that must be a number as a whole: blanks may surround it; a decimal
// number with optional sign, point and exponent, or "&H"/"&O" digits. The
// decimal separator of the user's locale is accepted beside the point.
// Fails with "Type mismatch" for anything else (the empty text included) and
// "Overflow" beyond the range of a double.
Result<double> wholeNumber(QStringView text);

// Nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// roundHalfEven within -32768..32767, else "Overflow".
Result<std::int16_t> toInt16(double value);

// roundHalfEven within the 32-bit signed range, else "Overflow".
Result<std::int32_t> toInt32(double value);

// "TRUE"/"FALSE" in any letter case, or a number (0 is false, any other
// number true); blanks may surround it. Anything else is "Type mismatch".
Result<bool> toTruth(QStringView text);

// A count of the language file: leadingNumber, then toInt16.
Result<std::int16_t> countFromText(QStringView text);

// A font size of the skin file: wholeNumber, then toInt16.
Result<std::int16_t> fontSizeFromText(QStringView text);

// A colour number of the skin file: leadingNumber rounded half to even, with
// hexadecimal and octal digits unsigned, so that "&HFF00" is green rather than
// a negative number. Fails with "Overflow" outside the 32-bit signed range.
Result<std::int32_t> colorNumberFromText(QStringView text);

} // namespace zv
