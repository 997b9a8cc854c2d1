#include "check/keyrules.h"

#include <QHash>

namespace zv {

namespace {

using Kind = Finding::Kind;

QString unknownKeyMessage(const KnownKeys &known, const QString &section, const QString &key)
{
    QString message = u"["_qs + shown(section) + u"] "_qs + shown(key) + u" is never read"_qs;
    const QStringList elsewhere = known.sectionsReading(key);
    if (!elsewhere.isEmpty())
        return message + u": it belongs in ["_qs + elsewhere.join(u"] or ["_qs) + u"]"_qs;
    const QString hint = known.closestKey(section, key);
    if (!hint.isEmpty())
        message += u" (did you mean "_qs + hint + u"?)"_qs;
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
    for (const ProfileSnapshot::Key &key : file.keys()) {
        if (key.section < 0 || !key.counts)
            continue;
        const QString section = file.sectionName(file.sections()[std::size_t(key.section)]);
        if (!known.readsSection(section))
            continue;
        const QString name = file.keyName(key);
        switch (known.use(section, name)) {
        case KnownKeys::Use::Unknown:
            findings.push_back({Kind::Warning, key.line, unknownKeyMessage(known, section, name)});
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
    for (const KnownKeys::Expected &key : known.expected()) {
        const auto line = sectionLine.constFind(key.section);
        if (line == sectionLine.cend()) {
            if (missingInSection[key.section]++ == 0)
                missingSections.append(key.section);
        } else if (!file.find(key.section, key.key)) {
            findings.push_back({Kind::Warning, *line,
                                u"["_qs + key.section + u"] "_qs + key.key
                                    + u" is missing: the program shows its default"_qs});
        }
    }
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
