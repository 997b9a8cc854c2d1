// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/finding.h"

#include "config/printabletext.h"

#include <algorithm>

namespace zv {

namespace {

constexpr qsizetype LongestShownText = 60;

}

bool Findings::Entry::operator<(const Entry &o) const
{
    return finding.line != o.finding.line ? finding.line < o.finding.line : order < o.order;
}

void Findings::push_back(Finding finding)
{
    const std::size_t order = m_total;
    count(finding.kind);
    if (m_keep == 0)
        return;
    Entry entry{order, std::move(finding)};
    if (m_kept.size() == m_keep) {
        if (!(entry < m_kept.front()))
            return;
        std::pop_heap(m_kept.begin(), m_kept.end());
        m_kept.back() = std::move(entry);
    } else {
        m_kept.push_back(std::move(entry));
    }
    std::push_heap(m_kept.begin(), m_kept.end());
}

bool Findings::wanted(int line) const
{
    // A later finding comes after every kept one of the same line.
    return m_kept.size() < m_keep || line < m_kept.front().finding.line;
}

void Findings::count(Finding::Kind kind)
{
    ++m_total;
    ++m_totals[int(kind)];
}

void Findings::sortByLine()
{
    std::sort_heap(m_kept.begin(), m_kept.end());
}

QString shown(const QString &text)
{
    QString result = printable(QStringView(text).first(std::min(text.size(), LongestShownText)));
    if (text.size() > LongestShownText)
        result += u"…"_qs;
    return result;
}

} // namespace zv
