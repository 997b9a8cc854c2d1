#pragma once

#include <QRadioButton>

namespace zv {

// An option button whose caption wraps within its width and is centred
// vertically, so long answer captions fit their fixed box. A click anywhere
// on the box chooses it.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

} // namespace zv
