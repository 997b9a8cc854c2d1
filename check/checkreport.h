// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/checkfile.h"
#include "check/fairness.h"

#include <QString>

namespace zv {

// One finding in the form compilers use, so editors and CI can jump to it:
// "FILE:LINE: error: message", or "FILE: error: message" without a line.
// `path` is written as given: pass it through printable() first.
QString findingLine(const QString &path, const Finding &finding);

// The summary of one file: "FILE: language file: 1 error, 2 warnings, 0 notes".
QString summaryLine(const QString &path, const FileCheck &check);

// The fairness of a language file over the answer sets `sets`, in lines: per
// engine how often it leads alone and by the tie-break, how often the top is
// shared and file order decides, the engines that never lead alone and the
// identical rows.
QString fairnessReport(const Fairness &fairness, const LanguageTables &tables,
                       AnswerSets sets = AnswerSets::YesNo);

} // namespace zv
