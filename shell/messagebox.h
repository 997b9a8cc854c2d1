#pragma once

#include <QString>

class QWidget;

namespace zv {

// The program's failure message: a modal box with the text, an OK button
// only, no icon and the title "Zorvane".
void showFailureBox(QWidget *parent, const QString &text);

} // namespace zv
