// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QLabel;

namespace zv {

// Loads a picture file anew from disk; a null pixmap when the file is
// missing or unreadable, so the caller can keep what it showed before. The
// picture keeps the size of the file's first image; where the file holds a
// larger copy for screens of `devicePixelRatio`, that copy is used.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio = 1.0);

// Shows a picture file in a picture box that takes the size of the picture;
// a missing or unreadable file leaves the box as it was.
void showPicture(QLabel *box, const QString &path);

// Loads every size an icon file holds; a null icon when there is none.
QIcon loadIcon(const QString &path);

} // namespace zv
