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
        // The date of the facts shows in every tooltip but is spoken once:
        // for the first row, which a screen reader speaks on entering the list.
        case Qt::ToolTipRole:
            return ReasonsRichText(WithAsOf(m_wizard.reasonsAtRow(m_row), m_wizard.tables()));
        case Qt::AccessibleDescriptionRole: {
            const QList<ReasonParagraph> reasons = m_wizard.reasonsAtRow(m_row);
            return ReasonsPlainText(m_row == 0 ? WithAsOf(reasons, m_wizard.tables()) : reasons);
        }
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
