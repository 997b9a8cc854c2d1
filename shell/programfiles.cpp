// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programfiles.h"

#include "config/printabletext.h"
#include "config/profilesnapshot.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zv {

namespace {

class Chooser
{
public:
    Chooser(const ProgramFileInputs &in, QStringList &problems) : m_in(in), m_problems(problems) {}

    QString inProgram(const QString &name) const { return m_in.programDir + u'/' + name; }
    QString inData(const QString &name) const { return m_in.dataDir + u'/' + name; }

    QString userFile(const QString &name) const
    {
        // A relative value is invalid by the XDG rules and is ignored.
        if (!m_in.xdgConfigHome.isEmpty() && QDir::isAbsolutePath(m_in.xdgConfigHome))
            return m_in.xdgConfigHome + QStringLiteral("/zorvane/") + name;
        if (!m_in.home.isEmpty())
            return m_in.home + QStringLiteral("/.config/zorvane/") + name;
        return {};
    }

    // A code such as de-AT names its folder as given and by its language part.
    QStringList shippedFiles(const QString &folder, const QString &code, const QString &name) const
    {
        static const QRegularExpression codePattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
        if (!codePattern.match(code).hasMatch())
            return {};
        QStringList files{inData(folder + u'/' + code + u'/' + name)};
        const QString part = code.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0);
        if (!part.isEmpty() && part != code)
            files.append(inData(folder + u'/' + part + u'/' + name));
        return files;
    }

    // The option's file when it exists, else the first existing one of
    // `others`, else `last`. An option that names nothing is noted.
    QString choose(const QString &option, const QString &value, const QString &folder,
                   const QString &name, const QStringList &others, const QString &last) const
    {
        if (!value.isEmpty()) {
            const qsizetype passedOver = m_passedOver.size();
            const QString found = firstExisting(optionFiles(value, folder, name));
            if (!found.isEmpty())
                return found;
            if (m_passedOver.size() == passedOver)
                m_problems.append(QStringLiteral("--%1 %2: no such file or shipped %1, so it is "
                                             "not used.")
                                  .arg(option, printable(value)));
        }
        const QString found = firstExisting(others);
        return found.isEmpty() ? last : found;
    }

    QString firstExisting(const QStringList &candidates) const
    {
        for (const QString &file : candidates) {
            if (file.isEmpty() || m_passedOver.contains(file) || !m_in.exists(file))
                continue;
            const QString reason = m_in.unusable ? m_in.unusable(file) : QString();
            if (reason.isEmpty())
                return file;
            m_passedOver.append(file); // reported once, though it may be a candidate twice
            m_problems.append(QStringLiteral("%1: %2, so it is passed over.").arg(file, reason));
        }
        return {};
    }

private:
    QStringList optionFiles(const QString &value, const QString &folder, const QString &name) const
    {
        if (value.contains(u'/') || value.endsWith(u".cfg", Qt::CaseInsensitive))
            return {QDir::cleanPath(QDir(m_in.workingDir).absoluteFilePath(value))};
        return shippedFiles(folder, value, name);
    }

    const ProgramFileInputs &m_in;
    QStringList &m_problems;
    mutable QStringList m_passedOver;
};

} // namespace

ProgramFiles filesBesideProgram(const QString &programDir)
{
    return {programDir + QStringLiteral("/zv.cfg"),
            programDir + QStringLiteral("/skin.cfg"),
            programDir + QStringLiteral("/zvs.html"),
            {}};
}

QString unusableFileReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("not a plain file");
    if (!info.isReadable())
        return QStringLiteral("not readable");
    if (info.size() > MaxProfileFileSize)
        return QStringLiteral("larger than %1 MiB").arg(MaxProfileFileSize / (1024 * 1024));
    return {};
}

QString dataFolder(const QString &programDir, const QString &installedDir,
                   const std::function<bool(const QString &)> &isDir)
{
    return isDir(programDir + QStringLiteral("/languages")) ? programDir : installedDir;
}

QString shippedSkinFile(const QString &dataDir, bool prefersDark)
{
    return dataDir + (prefersDark ? QStringLiteral("/skins/dark/skin.cfg")
                                  : QStringLiteral("/skins/light/skin.cfg"));
}

ProgramFiles chooseProgramFiles(const ProgramFileInputs &in)
{
    ProgramFiles files;
    const Chooser chooser(in, files.problems);
    const QString languages = QStringLiteral("languages"), zv = QStringLiteral("zv.cfg");
    const QString skins = QStringLiteral("skins"), skin = QStringLiteral("skin.cfg");

    QStringList languageFallbacks{chooser.userFile(zv), chooser.inProgram(zv)};
    for (const QString &code : in.uiLanguages)
        languageFallbacks << chooser.shippedFiles(languages, code, zv);
    files.languageFile =
        chooser.choose(QStringLiteral("language"), in.languageOption, languages, zv,
                       languageFallbacks, chooser.inData(QStringLiteral("languages/en/zv.cfg")));

    files.skinFile = chooser.choose(QStringLiteral("skin"), in.skinOption, skins, skin,
                                    {chooser.userFile(skin), chooser.inProgram(skin)}, {});
    if (files.skinFile.isEmpty()) {
        files.skinFollowsDesktop = true;
        // Only now, as asking the desktop may cost a round trip.
        files.skinFile = shippedSkinFile(in.dataDir, in.prefersDark());
    }

    const QString languageHelp =
        QFileInfo(files.languageFile).dir().filePath(QStringLiteral("zvs.html"));
    files.helpPage = chooser.firstExisting({languageHelp});
    if (files.helpPage.isEmpty())
        files.helpPage = chooser.inData(QStringLiteral("zvs.html"));
    return files;
}

} // namespace zv
