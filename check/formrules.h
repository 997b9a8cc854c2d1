// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "config/profilesnapshot.h"

namespace zv {

// Findings about a file's form, whatever kind of file it is: its encoding
// and byte-order mark, lines above the first section, headers with text
// after their ']', repeated sections and keys (naming the line that counts),
// and values cut to the longest value a read returns.
void checkFileForm(const ProfileSnapshot &file, Findings &findings);

} // namespace zv
