// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace zv {

// The program's failure message: a modal box with the text, an OK button
// only, no icon and the title "Zorvane".
void showFailureBox(QWidget *parent, const QString &text);

} // namespace zv
