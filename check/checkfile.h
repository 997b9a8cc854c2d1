// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/finding.h"
#include "check/fontstandin.h"
#include "config/languagetables.h"
#include "config/profilesnapshot.h"

#include <QString>

#include <optional>

namespace zv {

enum class FileKind { Unknown, Language, Skin };

// The kind of file the sections tell: those only a language file or only a
// skin has. Unknown when the file has none of them, or as many of each.
FileKind detectFileKind(const ProfileSnapshot &file);

struct FileCheck
{
    FileKind kind = FileKind::Unknown;
    Findings findings;                    // in line order, findings without a line first
    std::optional<LanguageTables> tables; // what a language file loads
};

struct CheckOptions
{
    std::optional<FileKind> kind; // instead of detecting it
    FontStandIn fontStandIn = fontconfigStandIn();
};

// Checks one file of any sort: a file that cannot be read (missing, no
// regular file, beyond the size the program reads) and a file whose kind is
// neither given nor told by its sections are an error each.
FileCheck checkFile(const QString &path, const CheckOptions &options);
FileCheck checkFile(const ProfileSnapshot &file, const CheckOptions &options);

} // namespace zv
