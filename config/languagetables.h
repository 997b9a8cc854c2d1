// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zv {

// One language version: everything the language file defines that the program
// keeps for the whole run. Tables have fixed bounds; entries above the loaded
// counts stay empty or 0.
struct LanguageTables
{
    static constexpr int MaxEngines = 41;
    static constexpr int MaxQuestions = 16;
    static constexpr int MatrixSize = 601;

    QString LanguageName;
    std::int16_t EngineCount = 0;
    std::int16_t QuestionCount = 0;
    std::array<QString, MaxEngines> EngineName;
    std::array<QString, MaxEngines> EngineLink;  // without scheme
    std::array<QString, MaxQuestions> QuestionText;
    std::array<QString, MaxQuestions> YesText;
    std::array<QString, MaxQuestions> NoText;
    std::array<double, MaxQuestions> QuestionWeight{};
    // The value of engine e for question q stands at e * QuestionCount + q.
    std::array<double, MatrixSize> Matrix{};
    QString Url1;
    QString Url2;
    QString ExplanationText;
    QString FinishedText;
    // Optional: a paragraph about each engine and the headings of the reasons
    // that its list row explains its rank with.
    std::array<QString, MaxEngines> EngineInfo;
    QString FitsText;
    QString AgainstText;
    QString TiedText;
    // Optional: the captions of a third answer, of the box that makes an
    // answer count twice and of the Back button, each empty when the file
    // asks for no such control; and the mark of a weighted answer's reason.
    QString SkipText;
    QString ImportantText;
    QString BackText;
    QString WeightedText;
    // Optional: when the facts were gathered, said once after every row's reasons.
    QString AsOfText;

    // The counts the program works with: the file's counts limited to the
    // tables, so a file beyond the bounds never leads outside them.
    int engines() const;
    int questions() const;

    // Whether the file asks for any of the answer controls beyond Yes and No.
    bool hasAnswerControls() const;

    // Engine e's value for question q; 0 (neutral) where the position lies
    // outside the matrix.
    double matrixValue(int e, int q) const;
};

} // namespace zv
