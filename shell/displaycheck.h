// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zv {

// Why the windowing platform the program would start on has no display to
// open, or nothing when it has one or needs none. `arguments` may name the
// platform (-platform NAME); otherwise QT_QPA_PLATFORM does, and without
// either Qt picks X11 or Wayland, which need DISPLAY or WAYLAND_DISPLAY.
// Qt itself would abort there; this lets the program say so and exit.
std::optional<QString> missingDisplay(const QStringList &arguments,
                                      const std::function<QString(const char *)> &environment);

} // namespace zv
