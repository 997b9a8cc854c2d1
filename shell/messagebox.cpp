// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/messagebox.h"

#include "config/programinfo.h"

#include <QMessageBox>

namespace zv {

void showFailureBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace zv
