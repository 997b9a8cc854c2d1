// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "check/knownkeys.h"
#include "config/profilesnapshot.h"

namespace zv {

// Findings about the file's keys measured against the keys the program
// reads: sections and keys it never reads (with the closest known name as a
// hint), numbered keys beyond their count, key lines without '=', and keys it
// reads that are missing, so their placeholder shows.
void checkKnownKeys(const ProfileSnapshot &file, const KnownKeys &known, Findings &findings);

} // namespace zv
