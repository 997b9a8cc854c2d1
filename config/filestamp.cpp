// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/filestamp.h"

#include "config/filenames.h"

#include <tuple>

namespace zv {

bool operator==(const FileStamp &a, const FileStamp &b)
{
    const auto fields = [](const FileStamp &s) {
        return std::tie(s.device, s.inode, s.size, s.modified.tv_sec, s.modified.tv_nsec,
                        s.changed.tv_sec, s.changed.tv_nsec);
    };
    return fields(a) == fields(b);
}

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat info;
    if (::stat(fileNameBytes(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

} // namespace zv
