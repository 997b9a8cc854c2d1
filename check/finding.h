// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

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

using Findings = std::vector<Finding>;

// A name or value from the file as a message shows it: control characters
// written as \xNN, so no file can write to the terminal, and cut after 60
// characters.
QString shown(const QString &text);

} // namespace zv
