// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

namespace zv {

// Enter, Return or the keypad's Enter on a watched control runs the action
// given for it, so a keyboard user moves on with one key per step as with
// Space on a button. A held key does not repeat the action.
class EnterKey : public QObject
{
public:
    using QObject::QObject;

    void watch(QWidget *control, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<const QObject *, std::function<void()>> m_actions;
};

} // namespace zv
