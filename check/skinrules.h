// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "check/fontstandin.h"
#include "config/profilesnapshot.h"

namespace zv {

// Loads a skin file with the program's own loader, so the failure that
// stops it becomes an error with its key and line, and adds the warnings
// about what loads silently: missing and unknown keys, colour numbers that
// are no colour, text and background pairs below a contrast ratio of 4.5:1,
// and, as notes, font names that another font stands in for.
void checkSkinFile(const ProfileSnapshot &file, const FontStandIn &fontStandIn, Findings &findings);

} // namespace zv
