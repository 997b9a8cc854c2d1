// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// One fuzz input: a section and a key name to look up, then a file's bytes.
// The input's first two NUL-separated fields are the names (decoded as
// UTF-8, so any text can be asked for); what follows is the file.
struct FuzzInput
{
    QString section;
    QString key;
    QByteArray file;
};

inline FuzzInput splitFuzzInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    FuzzInput input;
    const qsizetype first = all.indexOf('\0');
    const qsizetype second = first < 0 ? -1 : all.indexOf('\0', first + 1);
    if (second < 0) {
        input.file = all;
        return input;
    }
    input.section = QString::fromUtf8(all.first(first));
    input.key = QString::fromUtf8(all.sliced(first + 1, second - first - 1));
    input.file = all.sliced(second + 1);
    return input;
}

// Stops the run with a message: a finding.
[[noreturn]] inline void fuzzFinding(const char *what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}
