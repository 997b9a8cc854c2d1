// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace zv {

// Follows the desktop's colour scheme while the program runs, through the
// desktop portal's SettingChanged signal for org.freedesktop.appearance
// color-scheme (Qt 6.4 has no colour-scheme API of its own).
class ColorSchemeWatch : public QObject
{
    Q_OBJECT

public:
    // Listens on `bus`, usually the session bus; without a portal nothing is
    // ever heard, which costs nothing.
    explicit ColorSchemeWatch(QDBusConnection bus, QObject *parent = nullptr);

Q_SIGNALS:
    // The desktop now prefers dark (true) or light (false) colours.
    void schemeChanged(bool prefersDark);

private Q_SLOTS:
    void settingChanged(const QDBusMessage &message);
};

} // namespace zv
