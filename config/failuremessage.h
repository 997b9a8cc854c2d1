// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "config/programtexts.h"

#include <QString>

namespace zv {

// The text of a failure box: the description on the first line, then where
// the failure is, as `zorvane --check` words it (FILE:LINE: [SECTION] KEY,
// with the offending text cut to a readable length), then the pointer to the
// checker, which lists every failure of `file`; the two lines in the words
// of `texts`.
QString failureMessage(const LoadFailure &failure, const QString &description,
                       const QString &file, const ProgramTexts &texts);

// The framing for a reporter of the failures of `file`.
LoadFailureReporter::Framing failureFraming(const QString &file, const ProgramTexts &texts);

} // namespace zv
