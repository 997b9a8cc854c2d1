// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/displaycheck.h"

namespace zv {

namespace {

QString platformOption(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        for (const QString &name : {QStringLiteral("-platform"), QStringLiteral("--platform")}) {
            if (word == name && i + 1 < arguments.size())
                return arguments[i + 1];
            if (word.startsWith(name + u'='))
                return word.mid(name.size() + 1);
        }
    }
    return {};
}

} // namespace

std::optional<QString> missingDisplay(const QStringList &arguments,
                                      const std::function<QString(const char *)> &environment)
{
    QString platform = platformOption(arguments);
    if (platform.isEmpty())
        platform = environment("QT_QPA_PLATFORM");
    // A list of platforms is tried in order; the first one decides here.
    platform = platform.section(u';', 0, 0).section(u':', 0, 0).trimmed();
    const bool x11 = platform.isEmpty() || platform == u"xcb";
    const bool wayland = platform.isEmpty() || platform.startsWith(u"wayland");
    if (!x11 && !wayland)
        return std::nullopt; // offscreen, linuxfb, eglfs, vnc, ...: no display server
    if ((x11 && !environment("DISPLAY").isEmpty())
        || (wayland && !environment("WAYLAND_DISPLAY").isEmpty()))
        return std::nullopt;
    if (x11 && wayland)
        return QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    return x11 ? QStringLiteral("DISPLAY is not set") : QStringLiteral("WAYLAND_DISPLAY is not set");
}

} // namespace zv
