// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard/enterkey.h"

#include <QKeyEvent>
#include <QWidget>

namespace zv {

void EnterKey::watch(QWidget *control, std::function<void()> action)
{
    m_actions.insert(control, std::move(action));
    control->installEventFilter(this);
}

bool EnterKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || modifiers)
        return false;
    const auto action = m_actions.constFind(watched);
    if (action == m_actions.constEnd())
        return false;
    if (!key->isAutoRepeat())
        (*action)();
    return true;
}

} // namespace zv
