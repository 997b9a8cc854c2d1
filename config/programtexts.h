// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/profilesnapshot.h"

#include <QString>

#include <array>

namespace zv {

// The program's own texts that a language file may replace: the start text,
// the explanation and About windows' fixed texts and every failure message.
// Each is an optional key; a file without it gets the English text given
// here, which is what files made before these keys always showed. Texts
// holding "%1" have a value put in its place; a number stands where no
// plural form is needed ("Values not shown: %1").
enum class ProgramText {
    StartText,
    ExplanationCaption,
    ExplanationButton,
    AboutCaption,
    AboutVersion,
    AboutCredits,
    AboutCopyright,
    AboutNotice,
    AboutButton,
    TypeMismatch,
    Overflow,
    SubscriptOutOfRange,
    FailuresHeldBack,
    NotWebAddress,
    NoBrowser,
};

struct ProgramTextKey
{
    ProgramText text;
    const char *section;
    const char *key;
    const char *defaultText;
};

inline constexpr std::array<ProgramTextKey, 15> ProgramTextKeys = {{
    {ProgramText::StartText, "STARTEND", "START", "Launch the best search engine"},
    {ProgramText::ExplanationCaption, "EXPLANATION", "CAPTION", "Earn money while surfing..."},
    {ProgramText::ExplanationButton, "EXPLANATION", "BUTTON", "Click Here"},
    {ProgramText::AboutCaption, "ABOUT", "CAPTION", "About Zorvane"},
    // %1: the program's version, such as 1.0.7.
    {ProgramText::AboutVersion, "ABOUT", "VERSION", "Version %1"},
    {ProgramText::AboutCredits, "ABOUT", "CREDITS",
     "Zorvane was conceived and built by the Zorvane project."},
    // Begins with a blank, as the credits line after it always has.
    {ProgramText::AboutCopyright, "ABOUT", "COPYRIGHTLINE",
     " Copyright (C) 2026 the Zorvane project."},
    {ProgramText::AboutNotice, "ABOUT", "NOTICE",
     "Zorvane is free software, free of charge: use, share and change it under the GNU "
     "General Public License, version 3 or later. It comes with no warranty of any kind."},
    {ProgramText::AboutButton, "ABOUT", "BUTTON", "OK"},
    {ProgramText::TypeMismatch, "FAILURE", "TYPEMISMATCH", "Type mismatch"},
    {ProgramText::Overflow, "FAILURE", "OVERFLOW", "Overflow"},
    {ProgramText::SubscriptOutOfRange, "FAILURE", "SUBSCRIPT", "Subscript out of range"},
    // %1: how many messages were held back.
    {ProgramText::FailuresHeldBack, "FAILURE", "HELDBACK",
     "%1 further values could not be loaded; their messages are not shown."},
    // %1: the address as the file gives it.
    {ProgramText::NotWebAddress, "FAILURE", "NOTADDRESS",
     "\"%1\" is not a web address, so it was not opened."},
    // %1: the address or the local page.
    {ProgramText::NoBrowser, "FAILURE", "NOBROWSER",
     "No web browser could be started to show \"%1\"."},
}};

// One language file's program texts, read once.
class ProgramTexts
{
public:
    // The English texts, as without a language file.
    ProgramTexts();
    static ProgramTexts read(const ProfileSnapshot &languageFile);

    const QString &operator[](ProgramText text) const;

    // A loader's failure description ("Type mismatch", ...) in the file's
    // words; any other description unchanged.
    QString failureText(const QString &description) const;

private:
    std::array<QString, ProgramTextKeys.size()> m_texts;
};

} // namespace zv
