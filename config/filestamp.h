// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <sys/stat.h>

#include <optional>

namespace zv {

// What tells one version of a file from another: the file itself (device and
// inode), its size and its modification and change times to the nanosecond.
// Any write changes the change time, which no one can set back, so a cache
// keyed by the stamp sees every edit.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    friend bool operator==(const FileStamp &a, const FileStamp &b);
};

// The stamp of the file at `path` as it is now; nothing when it is missing.
std::optional<FileStamp> stampOf(const QString &path);

} // namespace zv
