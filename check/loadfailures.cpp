// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/loadfailures.h"

namespace zv {

namespace {

constexpr int ShownRepeats = 3;

}

void LoadFailureFindings::report(const LoadFailure &failure)
{
    if (failure.line == m_lastLine && failure.description == m_lastDescription) {
        if (++m_repeats > ShownRepeats)
            return;
    } else {
        finish();
        m_lastLine = failure.line;
        m_lastDescription = failure.description;
        m_repeats = 1;
    }
    QString message =
        u'[' + failure.section + u"] "_qs + failure.key + u": "_qs + failure.description;
    if (!failure.text.isEmpty())
        message += u" (\""_qs + shown(failure.text) + u"\")"_qs;
    m_findings.push_back({Finding::Kind::Error, failure.line, message + m_consequence});
}

void LoadFailureFindings::finish()
{
    if (m_repeats > ShownRepeats) {
        const int more = m_repeats - ShownRepeats;
        m_findings.push_back({Finding::Kind::Error, m_lastLine,
                              QString::number(more) + u" more values fail the same way"_qs});
    }
    m_repeats = 0;
    m_lastLine = -1;
    m_lastDescription.clear();
}

} // namespace zv
