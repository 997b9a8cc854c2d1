// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/profilesnapshot.h"

#include <QString>

#include <memory>

namespace zv {

// The file at `path` as it is now, for texts read anew at every showing:
// read again only when the file changed since the last call for the same
// path (see FileStamp), so an edited file shows and an unchanged one costs
// one look at its stamp. A missing file gives an empty snapshot.
std::shared_ptr<const ProfileSnapshot> currentSnapshot(const QString &path);

} // namespace zv
