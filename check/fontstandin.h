// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace zv {

// The font that stands in for a font name the system does not have, or an
// empty text when the system has the font or one made to its measures
// (Liberation Sans for Arial): a font of other measures changes the layout.
using FontStandIn = std::function<QString(const QString &family)>;

// The system's answer, from fontconfig, which resolves fonts for Qt here. The
// returned function loads fontconfig's configuration at its first call and
// frees it when the last copy of it goes.
FontStandIn fontconfigStandIn();

} // namespace zv
