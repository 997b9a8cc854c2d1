// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "skin/skinsettings.h"

#include <QString>

#include <cstdint>

#include <QRect>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zv {

// The main window's controls that the layouts show, hide and skin.
struct MainWindowControls
{
    QWidget *window = nullptr;  // takes the icon
    QWidget *form = nullptr;    // the client area, which takes the form's colours
    QWidget *Frame1 = nullptr;
    QListWidget *lstEngines = nullptr;
    QLabel *imgHelp = nullptr;
    QPushButton *cmdNext = nullptr;
    QRadioButton *optNo = nullptr;
    QRadioButton *optYEs = nullptr;
    QLabel *imgQuestion = nullptr;
    QLabel *lblQuestion = nullptr;
    QLabel *lblStartText = nullptr;
    // Shown only for a language file that gives their captions (AnswerControls).
    QRadioButton *optSkip = nullptr;
    QCheckBox *chkImportant = nullptr;
    QPushButton *cmdBack = nullptr;
};

// Where the answer controls stand in the question frame, in pixels, when the
// language file asks for a third answer, the weight box or Back: the answers
// and the box share the column under the question, Back stands under Next.
// Controls the file does not ask for get an empty rectangle.
struct AnswerPlaces
{
    QRect yes, no, skip, important, back;
};
AnswerPlaces answerPlaces(bool skip, bool important, bool back);

// What the layouts read besides the controls.
struct LayoutSources
{
    const SkinSettings &skin;  // as applied: see withDefaultsForUnread
    QString languageFile;      // the tooltips are read from it at every change
    QString startText;         // layout 0's text
    QString finishedText;
    QString programDir;        // where the pictures lie
};

// Applies the skin, the list's tooltip, the names a screen reader speaks for
// the list, the question area and the help picture, and the window icon, then layout
// iState: 0 start, 1 questions, 2 finished; other numbers only the common
// steps. A missing or unreadable picture leaves the control's picture as it
// was and the rest of the change goes on.
void applyLayout(const MainWindowControls &controls, std::int16_t iState,
                 const LayoutSources &sources);

// Sets a text as a control's tooltip, shown as plain text even when it looks
// like markup.
void setPlainToolTip(QWidget *widget, const QString &text);

} // namespace zv
