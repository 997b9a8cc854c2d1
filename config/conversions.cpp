// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/conversions.h"

#include <QLocale>

#include <cmath>
#include <optional>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace zv {

namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isEdgeBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

int digitValue(QChar c, int radix)
{
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < radix ? d : -1;
}

// The value of hexadecimal or octal digits: unsigned, or as the Windows
// version read them, 16-bit two's complement when they fit in 16 bits and
// 32-bit otherwise.
Result<double> radixValue(std::uint64_t magnitude, bool tooLong, RadixDigits digits)
{
    if (tooLong || magnitude > 0xFFFFFFFFull)
        return Result<double>::fail(failure::Overflow);
    if (digits == RadixDigits::Unsigned)
        return double(magnitude);
    if (magnitude <= 0xFFFF)
        return double(std::int16_t(std::uint16_t(magnitude)));
    return double(std::int32_t(std::uint32_t(magnitude)));
}

// Converts collected ASCII characters of a decimal number independently of
// the process locale.
Result<double> parseDecimal(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (std::isinf(value))
        return Result<double>::fail(failure::Overflow);
    return value;  // underflow gives 0 or a denormal, which is what a tiny number means
}

// The radix of a "&H" or "&O" prefix at the start of `text`, else 0.
int radixPrefix(QStringView text)
{
    if (text.size() < 2 || text[0] != u'&')
        return 0;
    const QChar marker = text[1].toUpper();
    return marker == u'H' ? 16 : marker == u'O' ? 8 : 0;
}

// Reads the hexadecimal or octal digits that follow the prefix, up to the
// first other character; `used` receives the number of digits read.
Result<double> scanRadixDigits(QStringView digits, int radix, qsizetype &used,
                               RadixDigits reading = RadixDigits::TwosComplement)
{
    std::uint64_t magnitude = 0;
    bool tooLong = false;
    for (used = 0; used < digits.size(); ++used) {
        const int d = digitValue(digits[used], radix);
        if (d < 0)
            break;
        if (!tooLong)
            magnitude = magnitude * std::uint64_t(radix) + std::uint64_t(d);
        tooLong = tooLong || magnitude > 0xFFFFFFFFull;
    }
    return radixValue(magnitude, tooLong, reading);
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Reads a decimal number (sign, digits, point, exponent) from the start of
// `text` into `out` as plain ASCII. Returns the number of characters used,
// 0 when there is no digit at all.
qsizetype scanDecimal(QStringView text, QChar decimalPoint, std::string &out)
{
    auto at = [&](qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    qsizetype i = 0;
    int digits = 0;
    if (at(i) == u'+' || at(i) == u'-')
        out.push_back(char(text[i++].unicode()));
    for (; isAsciiDigit(at(i)); ++i, ++digits)
        out.push_back(char(text[i].unicode()));
    if ((at(i) == u'.' || at(i) == decimalPoint) && digits + isAsciiDigit(at(i + 1)) > 0) {
        out.push_back('.');
        for (++i; isAsciiDigit(at(i)); ++i, ++digits)
            out.push_back(char(text[i].unicode()));
    }
    if (digits == 0)
        return 0;
    const QChar e = at(i).toUpper();
    if (e == u'E' || e == u'D') {
        qsizetype j = i + 1;
        if (at(j) == u'+' || at(j) == u'-')
            ++j;
        if (isAsciiDigit(at(j))) {
            out.push_back('e');
            for (++i; i < j; ++i)
                out.push_back(char(text[i].unicode()));
            for (; isAsciiDigit(at(i)); ++i)
                out.push_back(char(text[i].unicode()));
        }
    }
    return i;
}

// An optional sign and at most nine decimal digits, read exactly; nothing for
// any other text.
std::optional<double> smallWholeNumber(QStringView text)
{
    qsizetype i = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (i == text.size() || text.size() - i > 9)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return text.startsWith(u'-') ? -double(value) : double(value);
}

} // namespace

Result<double> leadingNumber(QStringView text, RadixDigits radixDigits)
{
    // Blanks count nowhere, so read from a copy without them.
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!isSkippedBlank(c))
            compact.append(c);
    }
    if (const int radix = radixPrefix(compact)) {
        qsizetype used = 0;
        return scanRadixDigits(QStringView(compact).mid(2), radix, used, radixDigits);
    }
    if (compact.startsWith(u'&'))
        return 0.0;
    std::string number;
    if (scanDecimal(compact, QChar(u'.'), number) == 0)
        return 0.0;
    return parseDecimal(number);
}

Result<double> wholeNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isEdgeBlank(text[begin]))
        ++begin;
    while (end > begin && isEdgeBlank(text[end - 1]))
        --end;
    const QStringView core = text.mid(begin, end - begin);
    if (core.isEmpty())
        return Result<double>::fail(failure::TypeMismatch);

    if (const int radix = radixPrefix(core)) {
        qsizetype used = 0;
        const Result<double> value = scanRadixDigits(core.mid(2), radix, used);
        if (used == 0 || used != core.size() - 2)
            return Result<double>::fail(failure::TypeMismatch);
        return value;
    }
    // Matrix rows hold hundreds of small whole numbers: those need no parser.
    if (const std::optional<double> small = smallWholeNumber(core))
        return *small;
    std::string number;
    // The system locale is fixed for the run; asking for it costs more than the parse.
    static const QChar localePoint = QLocale::system().decimalPoint().front();
    if (scanDecimal(core, localePoint, number) != core.size())
        return Result<double>::fail(failure::TypeMismatch);
    return parseDecimal(number);
}

double roundHalfEven(double value)
{
    // rint rounds in the current mode, which the program never changes from
    // the default round-half-to-even.
    return std::rint(value);
}

Result<std::int16_t> toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        return Result<std::int16_t>::fail(failure::Overflow);
    return std::int16_t(r);
}

Result<std::int32_t> toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return Result<std::int32_t>::fail(failure::Overflow);
    return std::int32_t(r);
}

Result<bool> toTruth(QStringView text)
{
    const QStringView word = text.trimmed();
    if (word.compare(u"TRUE", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"FALSE", Qt::CaseInsensitive) == 0)
        return false;
    const Result<double> number = wholeNumber(text);
    if (!number.ok())
        return Result<bool>::fail(number.failure());
    return number.value() != 0.0;
}

template <typename T, typename Convert>
Result<T> chain(const Result<double> &number, Convert convert)
{
    if (!number.ok())
        return Result<T>::fail(number.failure());
    return convert(number.value());
}

Result<std::int16_t> countFromText(QStringView text)
{
    return chain<std::int16_t>(leadingNumber(text), toInt16);
}

Result<std::int16_t> fontSizeFromText(QStringView text)
{
    return chain<std::int16_t>(wholeNumber(text), toInt16);
}

Result<std::int32_t> colorNumberFromText(QStringView text)
{
    return chain<std::int32_t>(leadingNumber(text, RadixDigits::Unsigned), toInt32);
}

} // namespace zv
