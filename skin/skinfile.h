// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "config/profilesnapshot.h"
#include "skin/skinsettings.h"

#include <QString>

#include <array>

namespace zv {

// The number of keys LoadSkin reads from the skin file.
inline constexpr int SkinKeyCount = 31;

struct SkinKeyName
{
    const char *section;
    const char *key;
    const char *defaultValue;
};

// The keys LoadSkin reads, in the order it reads them.
std::array<SkinKeyName, SkinKeyCount> skinKeyNames();

// The one key of the skin file that the About window reads itself.
inline constexpr SkinKeyName SkinCopyrightKey = {"ABOUT", "COPYRIGHT", "?"};

// Reads the skin file key by key in a fixed order into `skin`, converting
// font sizes and truth values as they are read. The first value that fails
// to convert is reported and stops the load: that key and all later ones keep
// what `skin` held. A missing file, section or key gives the key's default.
// Every key is read from one snapshot of the file.
void LoadSkin(SkinSettings &skin, const QString &skinFile, FailureReporter &failures);
void LoadSkin(SkinSettings &skin, const ProfileSnapshot &skinFile, FailureReporter &failures);

// The settings as the windows apply them: every key the load did not reach
// takes its default, so no control gets an empty font name or a 0-point size.
SkinSettings withDefaultsForUnread(const SkinSettings &skin);

} // namespace zv
