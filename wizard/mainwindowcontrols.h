// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "skin/screenlayout.h"

class QMainWindow;

namespace zv {

// Creates the main window's controls at their designed places, each named as
// the program names it, in the tab order of a question (answer, weight box,
// Back, Next, list), with Yes chosen; the window holds them in its client
// area. The third answer, the weight box and Back start hidden.
MainWindowControls createMainWindowControls(QMainWindow *window);

} // namespace zv
