// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/failuremessage.h"

#include "config/languagekeys.h"

#include <optional>

namespace zv {

namespace {

// Enough to recognise a value; a hostile file's megabyte would fill the screen.
constexpr qsizetype ShownTextLength = 60;

} // namespace

FailureFraming readFailureFraming(const QString &languageFile)
{
    return {readLanguageKey(languageFile, languageKey("FAILURE", "WHERE")),
            readLanguageKey(languageFile, languageKey("FAILURE", "CHECKFILE"))};
}

QString failureMessage(const LoadFailure &failure, const QString &description,
                       const QString &file, const FailureFraming &framing)
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
    return description + u'\n' + framing.where.arg(place) + u'\n' + framing.check.arg(file);
}

LoadFailureReporter::Framing failureFraming(const QString &file, const QString &languageFile)
{
    return [file, languageFile, framing = std::optional<FailureFraming>()](
               const LoadFailure &failure, const QString &description) mutable {
        if (!framing)
            framing = readFailureFraming(languageFile);
        return failureMessage(failure, description, file, *framing);
    };
}

} // namespace zv
