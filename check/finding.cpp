// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/finding.h"

namespace zv {

namespace {

constexpr qsizetype LongestShownText = 60;

}

QString shown(const QString &text)
{
    QString result;
    const QStringView view = QStringView(text).first(std::min(text.size(), LongestShownText));
    for (QChar c : view) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            result += u"\\x"_qs + QString::number(c.unicode(), 16).rightJustified(2, u'0');
        else
            result += c;
    }
    if (text.size() > LongestShownText)
        result += u"…"_qs;
    return result;
}

} // namespace zv
