// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/explanationwindow.h"

#include "shell/windowgeometry.h"
#include "skin/skinapply.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace zv {

frmExplanation::frmExplanation(const SkinSettings &skin, const ExplanationTexts &texts,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmExplanation"));
    setWindowTitle(texts.caption);
    setFixedSize(twipsSize(8055, 4725));

    m_command1 = new QPushButton(texts.buttonCaption, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipsRect(2820, 4200, 1755, 375));
    m_command1->setAccessibleDescription(texts.buttonDescription);

    m_txtExp = new QPlainTextEdit(this);
    m_txtExp->setObjectName(QStringLiteral("txtExp"));
    m_txtExp->setGeometry(twipsRect(60, 60, 7935, 4095));
    m_txtExp->setReadOnly(true);
    m_txtExp->setAccessibleName(texts.boxName);
    m_txtExp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_txtExp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtExp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtExp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabOrder(m_command1, m_txtExp);
    m_command1->setFocus();

    applySkinColors(this, skin.FormForeColor, skin.FormBackColor);
    applySkinColors(m_txtExp, skin.ExplForeColor, skin.ExplBackColor, Surface::Field);
    applySkinFont(m_txtExp, explanationFont(skin));
    m_txtExp->setPlainText(texts.text);

    connect(m_command1, &QPushButton::clicked, this, &frmExplanation::clickHere);
}

} // namespace zv
