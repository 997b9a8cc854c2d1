// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/keyrules.h"

#include <QHash>

namespace zv {

namespace {

using Kind = Finding::Kind;

// A file of hundreds of thousands of unknown keys is no misspelling; hinting
// at each would cost a noticeable time.
constexpr int HintedKeys = 1000;

QString unknownKeyMessage(const KnownKeys &known, const QString &section, const QString &key,
                          bool hint)
{
    QString message = u"["_qs + shown(section) + u"] "_qs + shown(key) + u" is never read"_qs;
    if (!hint)
        return message;
    const QStringList elsewhere = known.sectionsReading(key);
    if (!elsewhere.isEmpty())
        return message + u": it belongs in ["_qs + elsewhere.join(u"] or ["_qs) + u"]"_qs;
    const QString closest = known.closestKey(section, key);
    if (!closest.isEmpty())
        message += u" (did you mean "_qs + closest + u"?)"_qs;
    return message;
}

void checkPresentKeys(const ProfileSnapshot &file, const KnownKeys &known, Findings &findings)
{
    for (const ProfileSnapshot::Section &section : file.sections()) {
        const QString name = file.sectionName(section);
        if (section.counts && !known.readsSection(name)) {
            QString message = u"section ["_qs + shown(name) + u"] is never read"_qs;
            const QString hint = known.closestSection(name);
            if (!hint.isEmpty())
                message += u" (did you mean ["_qs + hint + u"]?)"_qs;
            findings.push_back({Kind::Warning, section.line, message});
        }
    }
    int unknown = 0;
    for (const ProfileSnapshot::Key &key : file.keys()) {
        if (key.section < 0 || !key.counts)
            continue;
        const QString section = file.sectionName(file.sections()[std::size_t(key.section)]);
        if (!known.readsSection(section))
            continue;
        const QString name = file.keyName(key);
        switch (known.use(section, name)) {
        case KnownKeys::Use::Unknown:
            if (!findings.wanted(key.line)) {
                findings.count(Kind::Warning);
                break;
            }
            findings.push_back({Kind::Warning, key.line,
                                unknownKeyMessage(known, section, name, ++unknown <= HintedKeys)});
            break;
        case KnownKeys::Use::BeyondCount:
            findings.push_back({Kind::Warning, key.line,
                                u"["_qs + shown(section) + u"] "_qs + shown(name)
                                    + u" lies beyond the count: the program never reads it"_qs});
            break;
        case KnownKeys::Use::Read:
            if (!key.hasValue) {
                findings.push_back({Kind::Warning, key.line,
                                    u"["_qs + shown(section) + u"] "_qs + shown(name)
                                        + u" has no '=': the program shows its default"_qs});
            }
            break;
        }
    }
}

void checkMissingKeys(const ProfileSnapshot &file, const KnownKeys &known, Findings &findings)
{
    QHash<QString, int> sectionLine;
    for (const ProfileSnapshot::Section &section : file.sections()) {
        if (section.counts)
            sectionLine.insert(file.sectionName(section).toUpper(), section.line);
    }
    QStringList missingSections;
    QHash<QString, int> missingInSection;
    // Missing numbered keys in a row, such as after a raised count, make
    // one finding.
    const KnownKeys::Expected *runStart = nullptr;
    const KnownKeys::Expected *runEnd = nullptr;
    const auto endRun = [&] {
        if (!runStart)
            return;
        const QString keys = runStart == runEnd
                                 ? runStart->key + u" is"_qs
                                 : runStart->key + u" to "_qs + runEnd->key + u" are"_qs;
        findings.push_back({Kind::Warning, sectionLine.value(runStart->section),
                            u"["_qs + runStart->section + u"] "_qs + keys
                                + u" missing: the program shows the default"_qs});
        runStart = runEnd = nullptr;
    };
    const std::vector<KnownKeys::Expected> expected = known.expected();
    for (const KnownKeys::Expected &key : expected) {
        if (!sectionLine.contains(key.section)) {
            endRun();
            if (missingInSection[key.section]++ == 0)
                missingSections.append(key.section);
            continue;
        }
        if (file.find(key.section, key.key)) {
            endRun();
            continue;
        }
        const bool continues = runEnd && &key == runEnd + 1 && !key.prefix.isEmpty()
                               && key.prefix == runEnd->prefix && key.section == runEnd->section;
        if (!continues) {
            endRun();
            runStart = &key;
        }
        runEnd = &key;
    }
    endRun();
    for (const QString &section : missingSections) {
        findings.push_back({Kind::Warning, 0,
                            u"section ["_qs + section + u"] is missing: its "_qs
                                + QString::number(missingInSection[section])
                                + u" key(s) show their defaults"_qs});
    }
}

} // namespace

void checkKnownKeys(const ProfileSnapshot &file, const KnownKeys &known, Findings &findings)
{
    checkPresentKeys(file, known, findings);
    checkMissingKeys(file, known, findings);
}

} // namespace zv
