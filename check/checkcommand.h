// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/fontstandin.h"

#include <QStringList>
#include <QTextStream>

namespace zv {

// Whether the command line asks for the checker: "--check" among the
// arguments (arguments[0] is the program).
bool isCheckCommand(const QStringList &arguments);

// Answers "zorvane --check FILE... [--as language|skin] [--fairness]": checks
// each file and writes one line per finding and a summary per file to `out`,
// and for --fairness the fairness of each language file; a usage error goes
// to `err`. Returns 0 when no file has an error, 1 when one has, 2 on a usage
// error. Needs no QApplication and no display.
int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
                    const FontStandIn &fontStandIn = fontconfigStandIn());

} // namespace zv
