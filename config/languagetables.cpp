// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagetables.h"

#include <algorithm>

namespace zv {

int LanguageTables::engines() const
{
    return std::clamp(int(EngineCount), 0, MaxEngines);
}

int LanguageTables::questions() const
{
    return std::clamp(int(QuestionCount), 0, MaxQuestions);
}

bool LanguageTables::hasAnswerControls() const
{
    return !SkipText.isEmpty() || !ImportantText.isEmpty() || !BackText.isEmpty();
}

double LanguageTables::matrixValue(int e, int q) const
{
    const long long position = (long long)e * QuestionCount + q;
    return position >= 0 && position < MatrixSize ? Matrix[std::size_t(position)] : 0.0;
}

} // namespace zv
