// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <vector>

namespace zv {

// One thing the checker has to say about a file.
struct Finding
{
    // Error: the program's load reports it. Warning: loads silently but is
    // almost always a mistake. Note: worth knowing, harmless.
    enum class Kind { Error, Warning, Note };

    Kind kind = Kind::Error;
    int line = 0; // 1-based; 0 where no single line applies
    QString message;

    bool operator==(const Finding &) const = default;
};

// The findings about one file, in line order (those without a line first,
// equal lines in the order found) once sortByLine() ran. Only the first
// `kept` of that order are kept; the others are counted, so a file of
// millions of faults checks in bounded memory.
class Findings
{
public:
    static constexpr std::size_t DefaultKept = 200;

    explicit Findings(std::size_t kept = DefaultKept) : m_keep(kept) {}

    void push_back(Finding finding);
    // Whether a finding on `line` would be kept: where not, count() saves
    // wording its message.
    bool wanted(int line) const;
    void count(Finding::Kind kind);

    void sortByLine();

    // The findings kept.
    std::size_t size() const { return m_kept.size(); }
    const Finding &operator[](std::size_t i) const { return m_kept[i].finding; }
    // Every finding, kept or only counted.
    std::size_t total() const { return m_total; }
    std::size_t total(Finding::Kind kind) const { return m_totals[int(kind)]; }

private:
    struct Entry
    {
        std::size_t order;
        Finding finding;
        bool operator<(const Entry &o) const;
    };

    std::size_t m_keep;
    std::vector<Entry> m_kept; // a heap, the last in line order on top, until sorted
    std::size_t m_total = 0;
    std::size_t m_totals[3] = {0, 0, 0};
};

// A name or value from the file as a message shows it: control characters
// written as \xNN, so no file can write to the terminal, and cut after 60
// characters.
QString shown(const QString &text);

} // namespace zv
