// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/profilesnapshot.h"

#include <QString>

#include <array>

namespace zv {

// Names a screen reader speaks for controls that show no text of their own.
// Each is an optional key of the language file's section ACCESSIBLE; a file
// without it gets the English name given here, so older files work unchanged.
enum class AccessibleName { EngineList, QuestionArea, HelpPicture, QuestionPicture };

struct AccessibleNameKey
{
    AccessibleName name;
    const char *key;
    const char *defaultName;
};

inline constexpr const char *AccessibleNamesSection = "ACCESSIBLE";

inline constexpr std::array<AccessibleNameKey, 4> AccessibleNameKeys = {{
    {AccessibleName::EngineList, "ENGINELIST", "Search engines, best match first"},
    {AccessibleName::QuestionArea, "QUESTIONAREA", "Question"},
    {AccessibleName::HelpPicture, "HELPPICTURE",
     "How it works: answer the questions, watch the ranking, open the winner"},
    // Followed by a blank and the question's number, counted from 1.
    {AccessibleName::QuestionPicture, "QUESTIONPICTURE", "Question"},
}};

// The name as the language file gives it, or its default.
QString readAccessibleName(const ProfileSnapshot &languageFile, AccessibleName name);

} // namespace zv
