// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/failurereporter.h"
#include "config/programtexts.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace zv {

// Hands an address to a web browser; returns false when it could not.
class BrowserLauncher
{
public:
    virtual ~BrowserLauncher() = default;
    virtual bool launch(const QUrl &url) = 0;
};

// The desktop's default handler, reached without a shell.
class DesktopBrowserLauncher : public BrowserLauncher
{
public:
    bool launch(const QUrl &url) override;
};

// The address that opens an engine's link: the link as it stands when it
// already carries "http://" or "https://" (in any letter case), otherwise
// "http://" in front of it.
QString engineAddress(const QString &engineLink);

// The web address a text stands for: an absolute http or https address with a
// host, or nothing. Language files come from whoever made them, so their text
// must never open local files, other schemes or pass as an option.
std::optional<QUrl> webAddress(const QString &address);

// Opens addresses in the browser and tells the user when that fails.
class Browser
{
public:
    Browser(BrowserLauncher &launcher, ShowMessage showMessage);

    // The language file's words for the messages below; English until set.
    void useTexts(const ProgramTexts &texts) { m_texts = texts; }

    // Opens a web address in a new browser window; anything other than an
    // http or https address is refused with a message naming it.
    void OpenInBrowser(const QString &address);

    // Opens an engine's link (see engineAddress).
    void openEngine(const QString &engineLink) { OpenInBrowser(engineAddress(engineLink)); }

    // Opens a local page that the program itself names, such as its help.
    void openLocalPage(const QString &path);

private:
    void launch(const QUrl &url, const QString &shown);

    BrowserLauncher &m_launcher;
    ShowMessage m_showMessage;
    ProgramTexts m_texts;
};

} // namespace zv
