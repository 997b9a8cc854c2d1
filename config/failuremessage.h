// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"

#include <QString>

namespace zv {

// The language file's words around a failure's description; each holds a %1.
struct FailureFraming
{
    QString where; // %1: the place, as the checker gives it
    QString check; // %1: the file; says that the checker lists every failure
};

// The framing of `languageFile`, or the English one where it has none.
FailureFraming readFailureFraming(const QString &languageFile);

// The text of a failure box: the description on the first line, then where
// the failure is, as `zorvane --check` words it (FILE:LINE: [SECTION] KEY,
// with the offending text cut to a readable length), then the pointer to the
// checker, which lists every failure of `file`.
QString failureMessage(const LoadFailure &failure, const QString &description,
                       const QString &file, const FailureFraming &framing);

// The framing for the failures of `file`, in the words of `languageFile`,
// which is read only when a failure is shown.
LoadFailureReporter::Framing failureFraming(const QString &file, const QString &languageFile);

} // namespace zv
