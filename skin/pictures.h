// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace zv {

// Every picture is decoded once per run and kept while its file stays the
// same (the same file, size and modification and change times): a changed
// file shows at its next showing, a missing or unreadable one gives a null
// result, so the caller can keep what it showed before.

// The picture at the size of the file's first image; where the file holds a
// larger copy for screens of `devicePixelRatio`, that copy is used.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio = 1.0);

// Shows a picture file in a picture box that takes the size of the picture;
// a missing or unreadable file leaves the box as it was.
void showPicture(QLabel *box, const QString &path);

// Shows on a button the one image of an icon file that the button's icon
// size on its screen shows: the exact size, else the smallest larger one,
// else the largest (the image an icon of every size would show). A missing
// or unreadable file leaves the button as it was.
void showButtonPicture(QAbstractButton *button, const QString &path);

// Sets a window's icon from every size of an icon file; a missing or
// unreadable file leaves the icon as it was.
void showWindowIcon(QWidget *window, const QString &path);

} // namespace zv
