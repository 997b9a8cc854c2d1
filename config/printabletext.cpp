// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/printabletext.h"

namespace zv {

QString printable(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            result += text.sliced(i++, 2);
            continue;
        }
        char16_t shownCode = c.unicode();
        if (c.isSurrogate()) {
            // An escaped byte of a file name stands for that byte.
            if (shownCode >= 0xDC80 && shownCode <= 0xDCFF)
                shownCode -= 0xDC00;
        } else if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format) {
            result += c;
            continue;
        }
        result += u"\\x"_qs + QString::number(shownCode, 16).rightJustified(2, u'0');
    }
    return result;
}

} // namespace zv
