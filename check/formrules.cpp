// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/formrules.h"

#include <QHash>

#include <algorithm>

namespace zv {

namespace {

using Kind = Finding::Kind;

void checkEncoding(const ProfileSnapshot &file, Findings &findings)
{
    switch (file.encoding()) {
    case ProfileSnapshot::Encoding::Utf8WithByteOrderMark:
        findings.push_back({Kind::Warning, 1,
                            u"the file starts with a UTF-8 byte-order mark: the Windows version "
                            "reads the first section wrongly; save it as UTF-8 without one"_qs});
        break;
    case ProfileSnapshot::Encoding::Windows1252:
        findings.push_back(
            {Kind::Note, 0, u"the file is neither UTF-8 nor ASCII: it is read as Windows-1252"_qs});
        break;
    case ProfileSnapshot::Encoding::Utf8:
    case ProfileSnapshot::Encoding::Utf16:
        break;
    }
}

// The bytes Windows-1252 leaves undefined arrive as the control characters of
// the same number. A file holding them was most likely written in another
// code page, such as Windows-1250 for Polish or Czech, and reads garbled.
void checkUndefinedBytes(const ProfileSnapshot &file, Findings &findings)
{
    if (file.encoding() != ProfileSnapshot::Encoding::Windows1252)
        return;
    const auto undefined = [](QChar c) {
        return c == u'\x81' || c == u'\x8D' || c == u'\x8F' || c == u'\x90' || c == u'\x9D';
    };
    for (const ProfileSnapshot::Key &key : file.keys()) {
        const QString value = file.keyValue(key).value_or(QString());
        const auto byte = std::find_if(value.begin(), value.end(), undefined);
        if (byte == value.end())
            continue;
        const QString hex = QString::number(byte->unicode(), 16).toUpper();
        findings.push_back({Kind::Warning, key.line,
                            u"byte 0x%1 has no meaning in Windows-1252: the file seems to be "
                            "written in another code page and reads garbled; save it as "
                            "UTF-8"_qs.arg(hex)});
        return;  // one is enough to tell the file's code page
    }
}

void checkLinesAboveSections(const ProfileSnapshot &file, Findings &findings)
{
    int first = 0;
    int count = 0;
    for (const ProfileSnapshot::Key &key : file.keys()) {
        if (key.section >= 0)
            break;
        if (count++ == 0)
            first = key.line;
    }
    if (count > 0) {
        findings.push_back(
            {Kind::Warning, first,
             u"%1 line(s) before the first section: nothing reads them"_qs.arg(count)});
    }
}

void checkSections(const ProfileSnapshot &file, Findings &findings)
{
    QHash<QString, int> countingLine;
    for (const ProfileSnapshot::Section &section : file.sections()) {
        if (section.counts)
            countingLine.insert(file.sectionName(section).toUpper(), section.line);
    }
    for (const ProfileSnapshot::Section &section : file.sections()) {
        const QString name = file.sectionName(section);
        if (section.textAfterBracket) {
            findings.push_back({Kind::Warning, section.line,
                                u"text after the ']' of ["_qs + shown(name) + u"] is ignored"_qs});
        }
        if (!section.counts) {
            const int counting = countingLine.value(name.toUpper());
            findings.push_back(
                {Kind::Warning, section.line,
                 u"[%1] repeats: this section and its keys are ignored; the "
                 "one on line %2 counts"_qs.arg(shown(name), QString::number(counting))});
        }
    }
}

void checkKeys(const ProfileSnapshot &file, Findings &findings)
{
    for (const ProfileSnapshot::Key &key : file.keys()) {
        if (key.section < 0 || !file.sections()[std::size_t(key.section)].counts)
            continue;
        if (!key.counts && !findings.wanted(key.line)) {
            findings.count(Kind::Warning);
            continue;
        }
        const QString name = file.keyName(key);
        if (!key.counts) {
            const QString section = file.sectionName(file.sections()[std::size_t(key.section)]);
            const ProfileSnapshot::Key *counting = file.find(section, name);
            findings.push_back({Kind::Warning, key.line,
                                u"[%1] %2 repeats: this one is ignored; the one on line %3 "
                                "counts"_qs.arg(shown(section), shown(name),
                                                QString::number(counting ? counting->line : 0))});
        } else if (file.valueIsCut(key)) {
            findings.push_back({Kind::Warning, key.line,
                                u"the value of "_qs + shown(name) + u" is longer than "_qs
                                    + QString::number(MaxIniValueLength)
                                    + u" characters: the program reads only that many"_qs});
        }
    }
}

} // namespace

void checkFileForm(const ProfileSnapshot &file, Findings &findings)
{
    checkEncoding(file, findings);
    checkUndefinedBytes(file, findings);
    checkLinesAboveSections(file, findings);
    checkSections(file, findings);
    checkKeys(file, findings);
}

} // namespace zv
