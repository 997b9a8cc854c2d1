// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "config/failurereporter.h"

namespace zv {

// Turns the failures a loader reports into error findings that name the
// section, the key and the offending text. A file beyond the tables can
// make the loader report the same failure for thousands of keys on one line
// (the line of a count): after a few, such repeats are only counted and
// finish() sums them up in one more error.
class LoadFailureFindings : public FailureReporter
{
public:
    // `consequence` ends every message of a failure.
    explicit LoadFailureFindings(Findings &findings, const QString &consequence = {})
        : m_findings(findings), m_consequence(consequence)
    {
    }

    void report(const LoadFailure &failure) override;
    void finish();

private:
    Findings &m_findings;
    QString m_consequence;
    int m_lastLine = -1;
    QString m_lastDescription;
    int m_repeats = 0;
};

} // namespace zv
