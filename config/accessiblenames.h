// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagekeys.h"
#include "config/profilesnapshot.h"

#include <QString>

#include <array>

namespace zv {

// Names a screen reader speaks for controls that show no text of their own.
// Each is an optional key of the language file's section ACCESSIBLE; a file
// without it gets the key's English default, so older files work unchanged.
enum class AccessibleName { EngineList, QuestionArea, HelpPicture, QuestionPicture };

struct AccessibleNameKey
{
    AccessibleName name;
    LanguageKey key;
};

inline constexpr std::array<AccessibleNameKey, 4> AccessibleNameKeys = {{
    {AccessibleName::EngineList, languageKey("ACCESSIBLE", "ENGINELIST")},
    {AccessibleName::QuestionArea, languageKey("ACCESSIBLE", "QUESTIONAREA")},
    {AccessibleName::HelpPicture, languageKey("ACCESSIBLE", "HELPPICTURE")},
    {AccessibleName::QuestionPicture, languageKey("ACCESSIBLE", "QUESTIONPICTURE")},
}};

// The name as the language file gives it, or its default.
QString readAccessibleName(const ProfileSnapshot &languageFile, AccessibleName name);

} // namespace zv
