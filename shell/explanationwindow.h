// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "skin/skinsettings.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace zv {

// What the explanation window shows and says.
struct ExplanationTexts
{
    QString text;               // the language file's explanation
    QString boxName;            // spoken as the text box's name
    QString buttonDescription;  // spoken for the button: what it opens
    QString caption;
    QString buttonCaption;
};

// The explanation window: the language file's explanation text in a
// read-only box, and a button that opens one of the two alternative
// addresses. Made anew for every showing, so it always shows the current
// skin and text.
class frmExplanation : public QDialog
{
    Q_OBJECT

public:
    frmExplanation(const SkinSettings &skin, const ExplanationTexts &texts,
                   QWidget *parent = nullptr);

Q_SIGNALS:
    // The button was pressed; the window stays open.
    void clickHere();

private:
    QPlainTextEdit *m_txtExp = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace zv
