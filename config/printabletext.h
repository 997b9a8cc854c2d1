// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace zv {

// A text from a file or an argument as a terminal may show it: control and
// format characters written as \xNN (so no text can move the cursor, set
// the title or clear the screen), and a byte of a file name that is not
// UTF-8 (see fileNameFromBytes) as the \xNN of that byte.
QString printable(QStringView text);

} // namespace zv
