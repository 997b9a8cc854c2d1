// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

namespace zv {

// An option button whose caption wraps within its width and is centred
// vertically, so long answer captions fit their fixed box. A click anywhere
// on the box chooses it. As in any radio group, only the chosen option of its
// parent is a tab stop, so Tab lands on the choice; the arrow keys move it.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void keepTabStopOnChoice();
};

} // namespace zv
