// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/skinsettings.h"

namespace zv {

FontGroup questionFont(const SkinSettings &s)
{
    return {s.QuestionFontName, s.QuestionFontSize, s.QuestionFontBold, s.QuestionFontItalic};
}

FontGroup textFont(const SkinSettings &s)
{
    return {s.TextFontName, s.TextFontSize, s.TextFontBold, s.TextFontItalic};
}

FontGroup explanationFont(const SkinSettings &s)
{
    return {s.ExplFontName, s.ExplFontSize, s.ExplFontBold, s.ExplFontItalic};
}

FontGroup enginesFont(const SkinSettings &s)
{
    return {s.EnginesFontName, s.EnginesFontSize, s.EnginesFontBold, s.EnginesFontItalic};
}

} // namespace zv
