// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QListWidget;
class QWidget;

namespace zv {

// Makes a screen reader speak `control` with the name and description it
// carries now, as it does when the focus arrives there: gives it the focus,
// or announces the focus on it again where it already has it.
void announceByFocus(QWidget *control);

// Makes row `row` of `list` its current row without selecting it and without
// a word to a screen reader: Qt 6.4's list announces a new current row as
// focused even while the focus is elsewhere.
void makeCurrentQuietly(QListWidget *list, int row);

// Makes a screen reader speak the list's current row, as when the user moves
// to it: for a list that has just got the focus, which Qt 6.4 speaks as a
// whole only.
void announceCurrentRow(QListWidget *list);

} // namespace zv
