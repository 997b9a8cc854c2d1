// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace zv {

// The look the skin file gives the program. Colours stay the text the file
// holds and are converted where they are applied (ColorFromText).
struct SkinSettings
{
    QString SkinName;
    QString FormBackColor;
    QString FormForeColor;
    QString QuestionBackColor;
    QString QuestionForeColor;
    QString ListBackColor;
    QString ListForeColor;
    QString AnswerBackColor;
    QString AnswerForeColor;
    QString TextBackColor;
    QString TextForeColor;
    QString ExplBackColor;
    QString ExplForeColor;
    QString Frame1ForeColor;
    QString Frame1BackColor;
    QString QuestionFontName;
    std::int16_t QuestionFontSize = 0;
    bool QuestionFontBold = false;
    bool QuestionFontItalic = false;
    QString TextFontName;
    std::int16_t TextFontSize = 0;
    bool TextFontBold = false;
    bool TextFontItalic = false;
    QString ExplFontName;
    std::int16_t ExplFontSize = 0;
    bool ExplFontBold = false;
    bool ExplFontItalic = false;
    QString EnginesFontName;
    std::int16_t EnginesFontSize = 0;
    bool EnginesFontBold = false;
    bool EnginesFontItalic = false;

    // How many keys of the skin file, in their reading order, the load
    // stored; a failing key stops the load, leaving the rest unread.
    int KeysRead = 0;

    friend bool operator==(const SkinSettings &, const SkinSettings &) = default;
};

// One font group of the skin, as a control takes it.
struct FontGroup
{
    QString name;
    std::int16_t size = 0;
    bool bold = false;
    bool italic = false;
};

FontGroup questionFont(const SkinSettings &skin);
FontGroup textFont(const SkinSettings &skin);
FontGroup explanationFont(const SkinSettings &skin);
FontGroup enginesFont(const SkinSettings &skin);

} // namespace zv
