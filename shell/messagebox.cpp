#include "shell/messagebox.h"

#include "config/programinfo.h"

#include <QMessageBox>

namespace zv {

void showFailureBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace zv
