// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zv {

// Gives Qt's own texts (the buttons of message boxes, a text box's context
// menu) the language of the language file (see languageCode): installs
// qtbase_<code> from `folder` (Qt's translations folder unless given) into
// the running application, falling back from "pt_BR" to "pt" as Qt does, and
// makes the code's locale the default. A file without a code changes nothing.
// The layout stays left to right even for a right-to-left catalogue, since
// the windows' geometry is fixed.
// Returns whether a catalogue was installed. Call it before the first window
// or message box.
bool installQtCatalogue(const QString &languageFile, const QString &folder = QString());

} // namespace zv
