// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/checkfile.h"

#include "check/formrules.h"
#include "check/knownkeys.h"
#include "check/languagerules.h"
#include "check/skinrules.h"
#include "config/filenames.h"


#include <algorithm>

namespace zv {

namespace {

using Kind = Finding::Kind;

QString unreadable(const QString &path, ProfileSnapshot::Source source)
{
    const PathKind kind = pathKind(path);
    switch (source) {
    case ProfileSnapshot::Source::Missing:
        return kind != PathKind::None ? u"cannot read the file"_qs : u"no such file"_qs;
    case ProfileSnapshot::Source::NotRegularFile:
        return kind == PathKind::Directory
                   ? u"is a directory, not a file"_qs
                   : u"is no regular file (a pipe or a device): the program does not "
                     "read it"_qs;
    case ProfileSnapshot::Source::TooLarge:
        return u"is larger than "_qs + QString::number(MaxProfileFileSize / (1024 * 1024))
               + u" MiB: the program does not read it and shows its defaults"_qs;
    case ProfileSnapshot::Source::Read:
        break;
    }
    return {};
}

int countSections(const ProfileSnapshot &file, const QStringList &names)
{
    int count = 0;
    for (const ProfileSnapshot::Section &section : file.sections()) {
        if (section.counts && names.contains(file.sectionName(section), Qt::CaseInsensitive))
            ++count;
    }
    return count;
}

} // namespace

FileKind detectFileKind(const ProfileSnapshot &file)
{
    const QStringList languageSections = KnownKeys::language(0, 0).sections();
    const QStringList skinSections = KnownKeys::skin().sections();
    QStringList languageOnly = languageSections;
    QStringList skinOnly = skinSections;
    languageOnly.removeIf([&](const QString &s) { return skinSections.contains(s); });
    skinOnly.removeIf([&](const QString &s) { return languageSections.contains(s); });
    const int language = countSections(file, languageOnly);
    const int skin = countSections(file, skinOnly);
    if (language == skin)
        return FileKind::Unknown;
    return language > skin ? FileKind::Language : FileKind::Skin;
}

FileCheck checkFile(const QString &path, const CheckOptions &options)
{
    const ProfileSnapshot file = ProfileSnapshot::fromFile(path);
    if (file.source() != ProfileSnapshot::Source::Read) {
        FileCheck check;
        check.kind = options.kind.value_or(FileKind::Unknown);
        check.findings.push_back({Kind::Error, 0, unreadable(path, file.source())});
        return check;
    }
    return checkFile(file, options);
}

FileCheck checkFile(const ProfileSnapshot &file, const CheckOptions &options)
{
    FileCheck check;
    check.kind = options.kind.value_or(detectFileKind(file));
    switch (check.kind) {
    case FileKind::Language:
        checkFileForm(file, check.findings);
        check.tables = checkLanguageFile(file, check.findings).tables;
        break;
    case FileKind::Skin:
        checkFileForm(file, check.findings);
        checkSkinFile(file, options.fontStandIn, check.findings);
        break;
    case FileKind::Unknown:
        check.findings.push_back({Kind::Error, 0,
                                  u"its sections tell neither a language file nor a skin: "
                                  "name the kind with --as language or --as skin"_qs});
        break;
    }
    check.findings.sortByLine();
    return check;
}

} // namespace zv
