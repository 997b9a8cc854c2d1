// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "config/languagefile.h"

#include "config/conversions.h"
#include "config/languagekeys.h"
#include "config/matrixrow.h"
#include "config/profilesnapshot.h"
#include "config/snapshotcache.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace zv {

namespace {

// A numbered key such as ENGINE12, made without allocating: a hostile count
// asks for tens of thousands of them.
class NumberedKey
{
public:
    NumberedKey(const char *prefix, int n)
    {
        char digits[12];
        int count = 0;
        unsigned magnitude = n < 0 ? 0u - unsigned(n) : unsigned(n);
        do {
            digits[count++] = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        m_size = int(std::strlen(prefix));
        std::memcpy(m_text, prefix, std::size_t(m_size));
        if (n < 0)
            m_text[m_size++] = '-';
        while (count > 0)
            m_text[m_size++] = digits[--count];
    }
    operator QAnyStringView() const { return QLatin1String(m_text, m_size); }
    QString toString() const { return QLatin1String(m_text, m_size); }

private:
    char m_text[40];  // the longest prefix is 6 characters
    int m_size;
};

// Reads the language file's keys from one snapshot and reports what cannot
// be loaded, with the key and line it stands on.
class LanguageReader
{
public:
    LanguageReader(const ProfileSnapshot &file, FailureReporter &failures)
        : m_file(file), m_failures(failures)
    {
    }

    QString text(const char *section, QAnyStringView key, const QString &defaultValue) const
    {
        const ProfileSnapshot::Key *found = m_file.find(sectionIndex(section), key);
        return found ? m_file.keyValue(*found).value_or(defaultValue) : defaultValue;
    }

    QString text(const LanguageKey &key) const
    {
        return text(key.section, QLatin1String(key.key), key.defaultText());
    }

    // The numbered key's entry n, without a check of bounds.
    QString text(const LanguageKey &key, int n) const
    {
        return text(key.section, NumberedKey(key.key, n), key.defaultText());
    }

    std::int16_t count(const LanguageKey &key) const
    {
        const QString value = text(key);
        const Result<std::int16_t> count = countFromText(value);
        if (!count.ok()) {
            report(count.failure(), key.section, QLatin1String(key.key), value);
            return 0;
        }
        return count.value();
    }

    // Entry n of a table from the numbered key; an index beyond the table is
    // reported instead of read. `defaultValue` is the key's, made once.
    template <std::size_t N>
    void fillTable(std::array<QString, N> &table, int n, const LanguageKey &key,
                   const QString &defaultValue) const
    {
        if (!inBounds(n, N, key.section, key.key, n))
            return;
        table[std::size_t(n)] = text(key.section, NumberedKey(key.key, n), defaultValue);
    }

    // Whether index lies within a table of `size`; reports it for the key
    // `prefix` followed by n when it does not.
    bool inBounds(long long index, std::size_t size, const char *section, const char *prefix,
                  int n) const
    {
        if (index >= 0 && index < (long long)size)
            return true;
        if (m_failures.wantsDescription())
            report(failure::SubscriptOutOfRange, section, NumberedKey(prefix, n).toString(),
                   QString());
        else
            countFailures(1);
        return false;
    }

    bool wantsDescription() const { return m_failures.wantsDescription(); }

    // Failures that will only be counted: nothing about them is worded.
    void countFailures(qsizetype count) const
    {
        const LoadFailure counted;
        for (qsizetype i = 0; i < count; ++i)
            m_failures.report(counted);
    }

    // Reports a failure of the key; where the file lacks the key, the line of
    // the count that asked for it stands in. A failure that will only be
    // counted is not looked up.
    void report(const QString &description, const char *section, const QString &key,
                const QString &text) const
    {
        const QLatin1String sectionName(section);
        const ProfileSnapshot::Key *found = nullptr;
        if (m_failures.wantsDescription()) {
            found = m_file.find(sectionName, key);
            if (!found)
                found = m_file.find(qstrcmp(section, "QUESTIONS") == 0 ? u"QUESTIONS"
                                                                      : u"SEARCHENGINES",
                                    u"COUNT");
        }
        m_failures.report({description, sectionName, key, text, found ? found->line : 0});
    }

private:
    // Sections are named by the key table's literals, so comparing addresses
    // finds each again: each is looked up about once per load.
    int sectionIndex(const char *section) const
    {
        for (const auto &[name, index] : m_sections) {
            if (name == section)
                return index;
        }
        const int index = m_file.sectionIndex(QLatin1String(section));
        m_sections.emplace_back(section, index);
        return index;
    }

    const ProfileSnapshot &m_file;
    FailureReporter &m_failures;
    mutable std::vector<std::pair<const char *, int>> m_sections;
};

// A matrix number within this magnitude keeps every sum of 16 answers finite.
constexpr double MaxMatrixMagnitude = 1e300;

// Stores the numbers of engine e's row from position e * QuestionCount on.
// Pieces beyond the matrix are reported one by one as always, but converted
// only while their description is still wanted, so a hostile count costs no
// more than the file's size.
void loadMatrixRow(const LanguageReader &reader, LanguageTables &tables, int e)
{
    constexpr LanguageKey matrixRow = languageKey("MATRIX", "S");
    const QString key = NumberedKey(matrixRow.key, e).toString();
    const QString stored = reader.text(matrixRow.section, key, matrixRow.defaultText());
    MatrixRowPieces row(stored);
    const long long size = (long long)tables.Matrix.size();
    for (long long k = 0; !row.atEnd(); ++k) {
        const long long position = (long long)e * tables.QuestionCount + k;
        if (position >= size && !reader.wantsDescription()) {
            // Every piece from here on lies beyond the matrix and is only counted.
            reader.countFailures(row.remaining());
            return;
        }
        const QStringView piece = row.next();
        const bool fits = position >= 0 && position < size;
        if (!fits && !reader.wantsDescription()) {
            reader.countFailures(1);
            continue;
        }
        Result<double> number = wholeNumber(piece);
        if (number.ok() && std::fabs(number.value()) > MaxMatrixMagnitude)
            number = Result<double>::fail(failure::Overflow);
        if (!number.ok()) {
            reader.report(number.failure(), "MATRIX", key, piece.toString());
            continue;
        }
        if (!fits) {
            reader.report(failure::SubscriptOutOfRange, "MATRIX", key, piece.toString());
            continue;
        }
        tables.Matrix[std::size_t(position)] = std::floor(number.value()) / 2;
    }
}

} // namespace

LanguageFileContents LoadLanguage(const QString &languageFile, FailureReporter &failures)
{
    return LoadLanguage(*currentSnapshot(languageFile), failures);
}

LanguageFileContents LoadLanguage(const ProfileSnapshot &languageFile, FailureReporter &failures)
{
    const LanguageReader read(languageFile, failures);
    LanguageFileContents contents;
    LanguageTables &t = contents.tables;

    t.LanguageName = read.text(languageKey("GENERAL", "LANGUAGE"));
    t.EngineCount = read.count(languageKey("SEARCHENGINES", "COUNT"));
    t.QuestionCount = read.count(languageKey("QUESTIONS", "COUNT"));
    constexpr LanguageKey engineName = languageKey("ENGINES", "ENGINE");
    const QString unnamed = engineName.defaultText();
    for (int n = 0; n < t.EngineCount; ++n)
        read.fillTable(t.EngineName, n, engineName, unnamed);
    constexpr LanguageKey engineLink = languageKey("LINKS", "LINK");
    const QString noLink = engineLink.defaultText();
    for (int n = 0; n < t.EngineCount; ++n)
        read.fillTable(t.EngineLink, n, engineLink, noLink);
    constexpr LanguageKey question = languageKey("QUESTIONS", "Q");
    for (int n = 0; n < t.QuestionCount; ++n) {
        if (read.inBounds(n, t.QuestionWeight.size(), question.section, question.key, n))
            t.QuestionWeight[std::size_t(n)] = 1.0;
    }
    constexpr LanguageKey yes = languageKey("QUESTIONS", "Y");
    constexpr LanguageKey no = languageKey("QUESTIONS", "N");
    const QString unasked = question.defaultText();
    const QString yesText = yes.defaultText();
    const QString noText = no.defaultText();
    for (int n = 0; n < t.QuestionCount; ++n) {
        read.fillTable(t.QuestionText, n, question, unasked);
        read.fillTable(t.YesText, n, yes, yesText);
        read.fillTable(t.NoText, n, no, noText);
    }
    for (int e = 0; e < t.EngineCount; ++e)
        loadMatrixRow(read, t, e);
    t.Url1 = read.text(languageKey("URL", "URL1"));
    t.Url2 = read.text(languageKey("URL", "URL2"));
    t.ExplanationText = read.text(languageKey("EXPLANATION", "TEXT"));
    for (std::size_t i = 0; i < MenuEntryKeys.size(); ++i)
        contents.menuCaptions[i] = read.text(MenuEntryKeys[i].caption);
    contents.welcomeText = read.text(languageKey("STARTEND", "WELCOME"));
    t.FinishedText = read.text(languageKey("STARTEND", "FINISHED"));
    // Read last and only within the tables, so files without them load, and
    // fail, exactly as before.
    for (int n = 0; n < t.engines(); ++n)
        t.EngineInfo[std::size_t(n)] = read.text(languageKey("ENGINEINFO", "INFO"), n);
    t.FitsText = read.text(languageKey("ENGINEINFO", "FITS"));
    t.AgainstText = read.text(languageKey("ENGINEINFO", "AGAINST"));
    t.TiedText = read.text(languageKey("ENGINEINFO", "TIED"));
    t.AsOfText = read.text(languageKey("ENGINEINFO", "ASOF"));
    for (int n = 0; n < t.questions(); ++n)
        t.QuestionTopic[std::size_t(n)] = read.text(languageKey("QUESTIONS", "T"), n);
    t.YesWord = read.text(languageKey("ENGINEINFO", "YES"));
    t.NoWord = read.text(languageKey("ENGINEINFO", "NO"));
    t.PositionFormat = read.text(languageKey("ACCESSIBLE", "POSITION"));
    t.BestMatchFormat = read.text(languageKey("ACCESSIBLE", "BESTMATCH"));
    t.WeightedText = read.text(languageKey("ENGINEINFO", "WEIGHTED"));
    t.SkipText = read.text(languageKey("QUESTIONS", "SKIP"));
    t.ImportantText = read.text(languageKey("QUESTIONS", "IMPORTANT"));
    t.BackText = read.text(languageKey("QUESTIONS", "BACK"));
    return contents;
}

} // namespace zv
