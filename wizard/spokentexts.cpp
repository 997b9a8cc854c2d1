// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/spokentexts.h"

#include <cmath>

namespace zv {

QString positionText(const QString &format, int question, int count)
{
    const QString number = QString::number(question + 1);
    if (format.isEmpty())
        return number + u'/' + QString::number(count);
    return format.arg(number, QString::number(count));
}

QString bestMatchText(const QString &format, const ScoreTables &scores,
                      const LanguageTables &tables)
{
    if (tables.engines() == 0)
        return {};
    const double leading = scores.Score[scores.EngineOrder[0]];
    QStringList names;
    QStringList rows;
    for (int k = 0; k < tables.engines(); ++k) {
        const int e = scores.EngineOrder[k];
        if (scores.Score[e] != leading)
            break;
        names.append(tables.EngineName[e]);
        rows.append(ResultLine(scores.Score[e], tables.EngineName[e]).trimmed());
    }
    if (format.isEmpty())
        return rows.join(QStringLiteral(", "));
    // The score as listed: ResultLine's number without its blank.
    const QString score = ResultLine(leading, QString()).trimmed().chopped(1);
    return format.arg(names.join(QStringLiteral(" / ")), score);
}

QString spokenLines(const QStringList &lines)
{
    QStringList shown;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            shown.append(line);
    }
    return shown.join(u'\n');
}

} // namespace zv
