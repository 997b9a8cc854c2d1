// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/browser.h"

#include <QDesktopServices>

#include <utility>

namespace zv {

bool DesktopBrowserLauncher::launch(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString engineAddress(const QString &engineLink)
{
    if (engineLink.startsWith(u"http://", Qt::CaseInsensitive)
        || engineLink.startsWith(u"https://", Qt::CaseInsensitive)) {
        return engineLink;
    }
    return QStringLiteral("http://") + engineLink;
}

std::optional<QUrl> webAddress(const QString &address)
{
    // Parsed tolerantly, as browsers do: a stray "%", "|" or brace is encoded,
    // not refused. A scheme starts with a letter, so a text starting with "-"
    // has none and can never pass as an option of whatever opens the address.
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    return url;
}

Browser::Browser(BrowserLauncher &launcher, ShowMessage showMessage)
    : m_launcher(launcher), m_showMessage(std::move(showMessage))
{
}

void Browser::OpenInBrowser(const QString &address)
{
    const std::optional<QUrl> url = webAddress(address);
    if (!url) {
        m_showMessage(m_texts[ProgramText::NotWebAddress].arg(address));
        return;
    }
    launch(*url, address);
}

void Browser::openLocalPage(const QString &path)
{
    launch(QUrl::fromLocalFile(path), path);
}

void Browser::launch(const QUrl &url, const QString &shown)
{
    if (!m_launcher.launch(url))
        m_showMessage(m_texts[ProgramText::NoBrowser].arg(shown));
}

} // namespace zv
