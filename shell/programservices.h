// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "shell/programfiles.h"

#include <QString>

#include <cstdint>
#include <functional>

class QDialog;

namespace zv {

class BrowserLauncher;
class RandomSource;

// Everything outside the process that the program reaches.
struct ProgramServices
{
    QString programDir;                      // where the pictures lie
    ProgramFiles files;                      // the language file, skin and help page in use
    BrowserLauncher *launcher = nullptr;     // opens addresses in a web browser
    ShowMessage showMessage;                 // a failure message box
    RandomSource *random = nullptr;          // the one pseudo-random generator
    std::function<std::uint32_t()> clockSeed;  // reseeds it from the clock
    std::function<void()> quit;              // ends the program at once
    // Shows a secondary window modally; tests replace it so nothing blocks.
    std::function<void(QDialog &)> showModal;
};

} // namespace zv
