// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/focusannouncement.h"

#include <QAccessible>
#include <QListWidget>
#include <QSignalBlocker>
#include <QWidget>

namespace zv {

void announceByFocus(QWidget *control)
{
    // Qt 6.4 sends name and description changes with an object reference
    // where Orca expects the text, so a screen reader cannot speak them; and
    // Orca ignores a focus event for the object it already holds as the focus.
    // The control's accessible object is made anew, so the focus event is news
    // and the control is spoken with what it carries now.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *object = QAccessible::queryAccessibleInterface(control))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(object));
    }
    if (control->hasFocus()) {
        QAccessibleEvent focus(control, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    } else {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void makeCurrentQuietly(QListWidget *list, int row)
{
    QItemSelectionModel *selection = list->selectionModel();
    const QSignalBlocker quiet(selection);
    selection->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void announceCurrentRow(QListWidget *list)
{
    if (list->currentRow() < 0)
        return;
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(list->currentRow());
    QAccessible::updateAccessibility(&focus);
}

} // namespace zv
