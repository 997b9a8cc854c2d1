// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagekeys.h"
#include "config/profilesnapshot.h"

#include <QString>

#include <array>

namespace zv {

// The program's own texts that a language file may replace: the start text,
// the explanation and About windows' fixed texts and every failure message.
// Each is an optional key of LanguageKeys; a file without it gets the key's
// English default, which is what files made before these keys always showed.
// Texts holding "%1" have a value put in its place.
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
    FailureWhere,
    FailureCheckFile,
};

struct ProgramTextKey
{
    ProgramText text;
    LanguageKey key;
};

inline constexpr std::array<ProgramTextKey, 17> ProgramTextKeys = {{
    {ProgramText::StartText, languageKey("STARTEND", "START")},
    {ProgramText::ExplanationCaption, languageKey("EXPLANATION", "CAPTION")},
    {ProgramText::ExplanationButton, languageKey("EXPLANATION", "BUTTON")},
    {ProgramText::AboutCaption, languageKey("ABOUT", "CAPTION")},
    {ProgramText::AboutVersion, languageKey("ABOUT", "VERSION")},
    {ProgramText::AboutCredits, languageKey("ABOUT", "CREDITS")},
    {ProgramText::AboutCopyright, languageKey("ABOUT", "COPYRIGHTLINE")},
    {ProgramText::AboutNotice, languageKey("ABOUT", "NOTICE")},
    {ProgramText::AboutButton, languageKey("ABOUT", "BUTTON")},
    {ProgramText::TypeMismatch, languageKey("FAILURE", "TYPEMISMATCH")},
    {ProgramText::Overflow, languageKey("FAILURE", "OVERFLOW")},
    {ProgramText::SubscriptOutOfRange, languageKey("FAILURE", "SUBSCRIPT")},
    {ProgramText::FailuresHeldBack, languageKey("FAILURE", "HELDBACK")},
    {ProgramText::NotWebAddress, languageKey("FAILURE", "NOTADDRESS")},
    {ProgramText::NoBrowser, languageKey("FAILURE", "NOBROWSER")},
    {ProgramText::FailureWhere, languageKey("FAILURE", "WHERE")},
    {ProgramText::FailureCheckFile, languageKey("FAILURE", "CHECKFILE")},
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
