// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/snapshotcache.h"

#include "config/filestamp.h"

#include <QHash>

namespace zv {

std::shared_ptr<const ProfileSnapshot> currentSnapshot(const QString &path)
{
    struct Read
    {
        FileStamp stamp;
        std::shared_ptr<const ProfileSnapshot> snapshot;
    };
    static QHash<QString, Read> read;

    // Stamped before reading: a write during the read makes the next call
    // read again.
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp) {
        read.remove(path);
        return std::make_shared<const ProfileSnapshot>(ProfileSnapshot::fromFile(path));
    }
    auto found = read.find(path);
    if (found == read.end() || !(found->stamp == *stamp)) {
        found = read.insert(path, {*stamp, std::make_shared<const ProfileSnapshot>(
                                               ProfileSnapshot::fromFile(path))});
    }
    return found->snapshot;
}

} // namespace zv
