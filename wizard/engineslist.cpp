// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/engineslist.h"

#include "wizard/wizardflow.h"

#include <QListWidget>

namespace zv {

namespace {

// A person reads one row's reasons at a time, so they are worded for the
// row that is asked, not for every row at every answer.
class EngineRow : public QListWidgetItem
{
public:
    EngineRow(const QString &line, int row, const Wizard &wizard)
        : QListWidgetItem(line), m_row(row), m_wizard(wizard)
    {
    }

    QVariant data(int role) const override
    {
        switch (role) {
        case Qt::ToolTipRole:
            return ReasonsRichText(m_wizard.reasonsAtRow(m_row));
        case Qt::AccessibleDescriptionRole:
            return ReasonsPlainText(m_wizard.reasonsAtRow(m_row));
        case Qt::AccessibleTextRole:
            return text().trimmed();
        default:
            return QListWidgetItem::data(role);
        }
    }

private:
    int m_row;
    const Wizard &m_wizard;
};

} // namespace

void writeEngineRows(QListWidget *list, const QStringList &lines, const Wizard &wizard)
{
    list->clear();
    for (int k = 0; k < lines.size(); ++k)
        list->addItem(new EngineRow(lines[k], k, wizard));
}

} // namespace zv
