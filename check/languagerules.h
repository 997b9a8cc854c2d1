// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "config/languagefile.h"
#include "config/profilesnapshot.h"

namespace zv {

// Loads a language file with the program's own loader, so every failure it
// would show becomes an error with its key and line, and adds the warnings
// about what loads silently: missing and unknown keys, matrix rows of the
// wrong length or with numbers outside -2..2, menu entries sharing an access
// key, addresses the browser rule refuses, texts that lost the "%1" their
// default holds, and IMPORTANT or BACK captions no control shows. Returns
// what the program would load.
LanguageFileContents checkLanguageFile(const ProfileSnapshot &file, Findings &findings);

} // namespace zv
