// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/languagerules.h"

#include "check/keyrules.h"
#include "check/knownkeys.h"
#include "check/loadfailures.h"
#include "config/conversions.h"
#include "config/languagekeys.h"
#include "config/matrixrow.h"
#include "config/menucaptions.h"
#include "shell/browser.h"

#include <QRegularExpression>

#include <cmath>

namespace zv {

namespace {

using Kind = Finding::Kind;

int lineOf(const ProfileSnapshot &file, QAnyStringView section, QAnyStringView key)
{
    const ProfileSnapshot::Key *found = file.find(section, key);
    return found ? found->line : 0;
}

void checkMatrixRows(const ProfileSnapshot &file, const LanguageTables &tables, Findings &findings)
{
    for (int e = 0; e < tables.engines(); ++e) {
        const QString key = u'S' + QString::number(e);
        const ProfileSnapshot::Key *found = file.find(u"MATRIX"_qs, key);
        if (!found)
            continue; // a missing key has its own warning
        const QString row = file.value(u"MATRIX"_qs, key, QString());
        int numbers = 0;
        for (MatrixRowPieces pieces(row); !pieces.atEnd(); ++numbers) {
            const QStringView piece = pieces.next();
            const Result<double> number = wholeNumber(piece);
            if (number.ok() && std::abs(std::floor(number.value())) > 2) {
                findings.push_back({Kind::Warning, found->line,
                                    u"[MATRIX] "_qs + key + u": the number for Q"_qs
                                        + QString::number(numbers) + u", "_qs
                                        + shown(piece.toString()) + u", lies outside -2..2"_qs});
            }
        }
        if (numbers != tables.questions()) {
            findings.push_back({Kind::Warning, found->line,
                                u"[MATRIX] "_qs + key + u" has "_qs + QString::number(numbers)
                                    + u" number(s) for "_qs + QString::number(tables.questions())
                                    + u" question(s)"_qs});
        }
    }
}

// The character after the first '&' that does not stand for itself ("&&").
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

// The keys of the captions that open a menu; MenuEntryKeys lists each such
// menu followed by its entries, and the menu bar is a menu of its own.
bool opensMenu(const char *key)
{
    for (const char *title : {"FILE", "TRUTH", "MONEY", "HELP"}) {
        if (qstrcmp(key, title) == 0)
            return true;
    }
    return false;
}

void checkAccessKeys(const ProfileSnapshot &file, const LanguageFileContents &contents,
                     Findings &findings)
{
    std::vector<std::vector<std::size_t>> menus(1); // the menu bar first
    for (std::size_t i = 0; i < MenuEntryKeys.size(); ++i) {
        if (opensMenu(MenuEntryKeys[i].caption.key)) {
            menus.front().push_back(i);
            menus.emplace_back();
        } else {
            menus.back().push_back(i);
        }
    }
    for (const std::vector<std::size_t> &menu : menus) {
        for (std::size_t a = 0; a < menu.size(); ++a) {
            const QChar key = accessKey(contents.menuCaptions[menu[a]]);
            for (std::size_t b = 0; b < a && !key.isNull(); ++b) {
                if (accessKey(contents.menuCaptions[menu[b]]) != key)
                    continue;
                const char *later = MenuEntryKeys[menu[a]].caption.key;
                const char *earlier = MenuEntryKeys[menu[b]].caption.key;
                findings.push_back({Kind::Warning, lineOf(file, u"MENU"_qs, later),
                                    u"[MENU] "_qs + QLatin1String(later)
                                        + u" has the access key "_qs + key + u" of "_qs
                                        + QLatin1String(earlier) + u" in the same menu"_qs});
                break;
            }
        }
    }
}

void checkAddress(const ProfileSnapshot &file, const QString &address, const char *section,
                  const QString &key, Findings &findings)
{
    if (webAddress(address))
        return;
    findings.push_back({Kind::Warning, lineOf(file, QLatin1String(section), key),
                        u"["_qs + QLatin1String(section) + u"] "_qs + key
                            + u": the program refuses to open \""_qs + shown(address)
                            + u"\": only http and https addresses with a host open"_qs});
}

// The scheme a link names ("file" of "file:///etc/passwd"), or nothing;
// "host:8080/path" names a port, not a scheme.
QString linkScheme(const QString &link)
{
    static const QRegularExpression scheme(u"^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d+(/|$))"_qs);
    return scheme.match(link).captured(1).toLower();
}

// The program puts "http://" before a link of any other scheme, so such a
// link opens a web address its author did not mean.
bool checkLinkScheme(const ProfileSnapshot &file, const QString &link, const QString &key,
                     Findings &findings)
{
    const QString scheme = linkScheme(link);
    const std::optional<QUrl> opened = webAddress(engineAddress(link));
    if (scheme.isEmpty() || scheme == u"http"_qs || scheme == u"https"_qs || !opened)
        return false;
    findings.push_back({Kind::Warning, lineOf(file, u"LINKS"_qs, key),
                        u"[LINKS] "_qs + key + u": \""_qs + shown(link) + u"\" is a "_qs
                            + shown(scheme) + u" address; the program opens only web addresses "
                            "and would open \""_qs + shown(opened->toString()) + u"\""_qs});
    return true;
}

void checkAddresses(const ProfileSnapshot &file, const LanguageTables &tables, Findings &findings)
{
    for (int e = 0; e < tables.engines(); ++e) {
        const QString &link = tables.EngineLink[std::size_t(e)];
        const QString key = u"LINK"_qs + QString::number(e);
        if (!checkLinkScheme(file, link, key, findings))
            checkAddress(file, engineAddress(link), "LINKS", key, findings);
    }
    checkAddress(file, tables.Url1, "URL", QStringLiteral("URL1"), findings);
    checkAddress(file, tables.Url2, "URL", QStringLiteral("URL2"), findings);
    // Optional: without it, Online help opens the local help page.
    const QString help = file.value(u"URL"_qs, u"HELP"_qs, QString());
    if (!help.isEmpty())
        checkAddress(file, help, "URL", QStringLiteral("HELP"), findings);
}

// IMPORTANT and BACK captions that the file gives but no control shows: an
// empty one asks for no control at all, and without questions there is
// neither an answer to weigh nor a question to go back to.
void checkAnswerCaptions(const ProfileSnapshot &file, const LanguageTables &tables,
                         Findings &findings)
{
    const struct
    {
        const char *key;
        const QString &caption;
        const char *control;
    } captions[] = {{"IMPORTANT", tables.ImportantText, "no check box weighs an answer"},
                    {"BACK", tables.BackText, "no Back button shows"}};
    for (const auto &[key, caption, control] : captions) {
        const ProfileSnapshot::Key *found = file.find(u"QUESTIONS"_qs, QLatin1String(key));
        if (!found)
            continue;
        QString why;
        if (caption.isEmpty())
            why = u" is empty: "_qs + QLatin1String(control);
        else if (tables.questions() == 0)
            why = u" is never shown: without questions "_qs + QLatin1String(control);
        else
            continue;
        findings.push_back(
            {Kind::Warning, found->line, u"[QUESTIONS] "_qs + QLatin1String(key) + why});
    }
}

// A text whose default holds "%1" gets a value put there (a number, an
// address); a translation without it would drop that value from the message.
void checkPlaceholders(const ProfileSnapshot &file, Findings &findings)
{
    for (const LanguageKey &key : LanguageKeys) {
        if (key.numbering != KeyNumbering::Single || !key.defaultText().contains(u"%1"))
            continue;
        const std::optional<QString> value =
            file.value(QLatin1String(key.section), QLatin1String(key.key));
        if (!value || value->contains(u"%1"))
            continue;
        findings.push_back({Kind::Warning, lineOf(file, QLatin1String(key.section),
                                                  QLatin1String(key.key)),
                            u"["_qs + QLatin1String(key.section) + u"] "_qs
                                + QLatin1String(key.key)
                                + u" has no %1: the value the program puts there is lost"_qs});
    }
}

} // namespace

LanguageFileContents checkLanguageFile(const ProfileSnapshot &file, Findings &findings)
{
    LoadFailureFindings failures(findings);
    LanguageFileContents contents = LoadLanguage(file, failures);
    failures.finish();
    const LanguageTables &tables = contents.tables;
    checkKnownKeys(file, KnownKeys::language(tables.engines(), tables.questions()), findings);
    checkMatrixRows(file, tables, findings);
    checkAccessKeys(file, contents, findings);
    checkAddresses(file, tables, findings);
    checkAnswerCaptions(file, tables, findings);
    checkPlaceholders(file, findings);
    return contents;
}

} // namespace zv
