// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QListWidget;

namespace zv {

class Wizard;

// Rewrites the list with one row per line of `lines`. A row's tooltip (rich
// text) and the description a screen reader reads (plain text) give its
// engine's reasons from `wizard` (Wizard::reasonsAtRow) and are made only
// when asked for, so `wizard` must outlive the rows and the rows must be
// rewritten whenever its scores change. A row is spoken without the blank
// that lines the percentages up.
void writeEngineRows(QListWidget *list, const QStringList &lines, const Wizard &wizard);

} // namespace zv
