// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/failuremessage.h"

namespace zv {

namespace {

// Enough to recognise a value; a hostile file's megabyte would fill the screen.
constexpr qsizetype ShownTextLength = 60;

} // namespace

QString failureMessage(const LoadFailure &failure, const QString &description,
                       const QString &file, const ProgramTexts &texts)
{
    QString place = file + u':';
    if (failure.line > 0)
        place += QString::number(failure.line) + u':';
    place += QStringLiteral(" [%1] %2").arg(failure.section, failure.key);
    if (!failure.text.isEmpty()) {
        QString text = failure.text.left(ShownTextLength);
        if (text.size() < failure.text.size())
            text += u'…';
        place += QStringLiteral(" (\"%1\")").arg(text);
    }
    return description + u'\n' + texts[ProgramText::FailureWhere].arg(place) + u'\n'
           + texts[ProgramText::FailureCheckFile].arg(file);
}

LoadFailureReporter::Framing failureFraming(const QString &file, const ProgramTexts &texts)
{
    return [file, texts](const LoadFailure &failure, const QString &description) {
        return failureMessage(failure, description, file, texts);
    };
}

} // namespace zv
