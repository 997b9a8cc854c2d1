// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/failurereporter.h"

#include <utility>

namespace zv {

LoadFailureReporter::LoadFailureReporter(ShowMessage show, int limit)
    : m_show(std::move(show)), m_limit(limit)
{
}

void LoadFailureReporter::report(const LoadFailure &failure)
{
    if (m_shown < m_limit) {
        ++m_shown;
        m_show(m_framing ? m_framing(failure, failure.description) : failure.description);
    } else {
        ++m_heldBack;
    }
}

void LoadFailureReporter::finish()
{
    if (m_heldBack == 0)
        return;
    m_show(QStringLiteral("%1 further values could not be loaded; their messages are not shown.")
               .arg(m_heldBack));
    m_heldBack = 0;
}

} // namespace zv
