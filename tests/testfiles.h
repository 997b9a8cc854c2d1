// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// Writes `content` to `name` in `dir` and returns the file's path.
inline QString writeTestFile(const QTemporaryDir &dir, const QString &name,
                             const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(content);
    return path;
}

// The whole of the file at `path`; a missing fixture ends the test run.
inline QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A fixture from tests/data.
inline QByteArray testData(const char *name)
{
    return readTestFile(QStringLiteral(ZV_TEST_DATA "/") + QLatin1String(name));
}
