// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A program folder of the test's own and fakes of everything the main window
// reaches outside itself, for the tests that drive the real window.

#include "shell/browser.h"
#include "shell/randomsource.h"
#include "testfiles.h"
#include "wizard/mainwindow.h"

#include <QAction>
#include <QDialog>

#include <memory>

class FakeLauncher : public zv::BrowserLauncher
{
public:
    bool launch(const QUrl &url) override
    {
        urls.append(url);
        return succeeds;
    }
    QList<QUrl> urls;
    bool succeeds = true;
};

struct Program
{
    QTemporaryDir dir;
    FakeLauncher launcher;
    zv::RandomSource random;
    QStringList messages;
    std::uint32_t seed = 4242;
    bool quitCalled = false;
    std::function<void(QDialog &)> modal = [](QDialog &) {};
    std::unique_ptr<zv::frmZVS> window;

    void write(const QString &name, const QByteArray &content)
    {
        writeTestFile(dir, name, content);
    }

    zv::frmZVS &start()
    {
        zv::ProgramServices services;
        services.programDir = dir.path();
        services.files = zv::filesBesideProgram(dir.path());
        services.launcher = &launcher;
        services.showMessage = [this](const QString &text) { messages.append(text); };
        services.random = &random;
        services.clockSeed = [this] { return seed; };
        services.quit = [this] { quitCalled = true; };
        services.showModal = [this](QDialog &window) { modal(window); };
        window = std::make_unique<zv::frmZVS>(services);
        window->Form_Load();
        return *window;
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }

    void trigger(const char *entry) { find<QAction>(QLatin1String(entry))->trigger(); }
};
