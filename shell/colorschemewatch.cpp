// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/colorschemewatch.h"

#include "shell/colorscheme.h"

namespace zv {

ColorSchemeWatch::ColorSchemeWatch(QDBusConnection bus, QObject *parent) : QObject(parent)
{
    // Any sender: the portal's well-known name may be taken after the start.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/portal/desktop"),
                QStringLiteral("org.freedesktop.portal.Settings"),
                QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
}

void ColorSchemeWatch::settingChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() != 3 || arguments[0].toString() != u"org.freedesktop.appearance"
        || arguments[1].toString() != u"color-scheme")
        return;
    // "No preference" keeps the skin the program has.
    if (const std::optional<bool> dark = prefersDarkFromPortal(arguments[2]))
        Q_EMIT schemeChanged(*dark);
}

} // namespace zv
