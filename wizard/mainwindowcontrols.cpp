// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/mainwindowcontrols.h"

#include "shell/controls.h"
#include "shell/windowgeometry.h"
#include "wizard/optionbutton.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>

namespace zv {

namespace {

template <typename Control>
Control *place(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace

MainWindowControls createMainWindowControls(QMainWindow *window)
{
    MainWindowControls c;
    c.window = window;
    c.form = new QWidget(window);
    c.form->setObjectName(QStringLiteral("form"));
    c.form->setFixedSize(twipsSize(9300, 6120));
    window->setCentralWidget(c.form);

    c.imgHelp = place<QLabel>(c.form, "imgHelp", twipsRect(60, 3600, 6255, 2415));
    auto *frame = place<QFrame>(c.form, "Frame1", twipsRect(60, 60, 6255, 3615));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    c.Frame1 = frame;
    c.lstEngines = place<QListWidget>(c.form, "lstEngines", twipsRect(6420, 60, 2835, 5790));
    c.lstEngines->setSelectionMode(QAbstractItemView::SingleSelection);

    c.cmdNext = place<QPushButton>(frame, "cmdNext", twipsRect(5340, 1860, 615, 615));
    c.cmdNext->setIconSize(QSize(32, 32));
    c.optNo = place<OptionButton>(frame, "optNo", twipsRect(780, 2400, 4395, 975));
    c.optYEs = place<OptionButton>(frame, "optYEs", twipsRect(780, 1380, 4455, 975));
    c.imgQuestion = place<QLabel>(frame, "imgQuestion", twipsRect(120, 240, 480, 540));
    c.lblQuestion = placePlainLabel(frame, "lblQuestion", twipsRect(720, 240, 5235, 1155));
    c.lblStartText = placePlainLabel(frame, "lblStartText", twipsRect(60, 240, 5175, 2355));
    // Shown, and placed, only for a language file that captions them.
    c.optSkip = place<OptionButton>(frame, "optSkip", QRect());
    c.chkImportant = place<QCheckBox>(frame, "chkImportant", QRect());
    c.cmdBack = place<QPushButton>(frame, "cmdBack", QRect());
    // Chosen once every answer exists, so only the choice is a tab stop.
    c.optYEs->setChecked(true);
    for (QWidget *control : {static_cast<QWidget *>(c.optSkip),
                             static_cast<QWidget *>(c.chkImportant),
                             static_cast<QWidget *>(c.cmdBack)})
        control->hide();

    // The answer is chosen in tab order before Next is pressed; hidden
    // controls are left out of it.
    QWidget *const chain[] = {c.optYEs, c.optNo,   c.optSkip,    c.chkImportant,
                              c.cmdBack, c.cmdNext, c.lstEngines};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    return c;
}

} // namespace zv
