// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/programtexts.h"
#include "skin/skinsettings.h"

#include <QDialog>

namespace zv {

// Line feed then carriage return, in that order, as the credits text of the
// About window has always separated its parts.
QString NewLine();

// The About window: title, version, credits, the credit lines of the current
// language file and skin file (read anew at every showing) and a notice, in
// the words of the language file's program texts.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(const SkinSettings &skin, const ProgramTexts &texts, const QString &programDir,
             const QString &languageFile, const QString &skinFile, QWidget *parent = nullptr);
};

} // namespace zv
