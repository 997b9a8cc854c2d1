// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/failurereporter.h"

#include <utility>

namespace zv {

LoadFailureReporter::LoadFailureReporter(ShowMessage show, ProgramTexts texts, int limit)
    : m_show(std::move(show)), m_texts(std::move(texts)), m_limit(limit)
{
}

void LoadFailureReporter::report(const LoadFailure &failure)
{
    if (m_shown < m_limit) {
        ++m_shown;
        const QString description = m_texts.failureText(failure.description);
        m_show(m_framing ? m_framing(failure, description) : description);
    } else {
        ++m_heldBack;
    }
}

void LoadFailureReporter::finish()
{
    if (m_heldBack == 0)
        return;
    m_show(m_texts[ProgramText::FailuresHeldBack].arg(m_heldBack));
    m_heldBack = 0;
}

} // namespace zv
