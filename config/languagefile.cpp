#include "config/languagefile.h"

#include "config/conversions.h"
#include "config/matrixrow.h"
#include "config/profilesnapshot.h"

#include <cmath>

namespace zv {

namespace {

// Reads the language file's keys from one snapshot and reports what cannot
// be loaded, with the key and line it stands on.
class LanguageReader
{
public:
    LanguageReader(const ProfileSnapshot &file, FailureReporter &failures)
        : m_file(file), m_failures(failures)
    {
    }

    QString text(const char *section, const QString &key, const QString &defaultValue) const
    {
        return m_file.value(QLatin1String(section), key, defaultValue);
    }

    QString text(const char *section, const char *key, const char *defaultValue) const
    {
        return text(section, QLatin1String(key), QLatin1String(defaultValue));
    }

    std::int16_t count(const char *section, const char *defaultValue) const
    {
        const QString value = text(section, "COUNT", defaultValue);
        const Result<std::int16_t> count = countFromText(value);
        if (!count.ok()) {
            report(count.failure(), section, QStringLiteral("COUNT"), value);
            return 0;
        }
        return count.value();
    }

    // Entry n of a table from the key prefix followed by n; an index beyond
    // the table is reported instead of read.
    template <std::size_t N>
    void fillTable(std::array<QString, N> &table, int n, const char *section, const char *prefix,
                   const QString &defaultValue) const
    {
        if (!inBounds(n, N, section, prefix, n))
            return;
        table[std::size_t(n)] = text(section, numberedKey(prefix, n), defaultValue);
    }

    // Whether index lies within a table of `size`; reports it for the key
    // `prefix` followed by n when it does not.
    bool inBounds(long long index, std::size_t size, const char *section, const char *prefix,
                  int n) const
    {
        if (index >= 0 && index < (long long)size)
            return true;
        report(failure::SubscriptOutOfRange, section, numberedKey(prefix, n), QString());
        return false;
    }

    bool wantsDescription() const { return m_failures.wantsDescription(); }

    // Reports a failure of the key; where the file lacks the key, the line of
    // the count that asked for it stands in.
    void report(const QString &description, const char *section, const QString &key,
                const QString &text) const
    {
        const QLatin1String sectionName(section);
        const ProfileSnapshot::Key *found = m_file.find(sectionName, key);
        if (!found)
            found = m_file.find(
                qstrcmp(section, "QUESTIONS") == 0 ? u"QUESTIONS" : u"SEARCHENGINES", u"COUNT");
        m_failures.report({description, sectionName, key, text, found ? found->line : 0});
    }

    static QString numberedKey(const char *prefix, int n)
    {
        return QLatin1String(prefix) + QString::number(n);
    }

private:
    const ProfileSnapshot &m_file;
    FailureReporter &m_failures;
};

// A matrix number within this magnitude keeps every sum of 16 answers finite.
constexpr double MaxMatrixMagnitude = 1e300;

// Stores the numbers of engine e's row from position e * QuestionCount on.
// Pieces beyond the matrix are reported one by one as always, but converted
// only while their description is still wanted, so a hostile count costs no
// more than the file's size.
void loadMatrixRow(const LanguageReader &reader, LanguageTables &tables, int e)
{
    const QString key = LanguageReader::numberedKey("S", e);
    const QString stored = reader.text("MATRIX", key, QString());
    MatrixRowPieces row(stored);
    for (long long k = 0; !row.atEnd(); ++k) {
        const QStringView piece = row.next();
        const long long position = (long long)e * tables.QuestionCount + k;
        const bool fits = position >= 0 && position < (long long)tables.Matrix.size();
        if (!fits && !reader.wantsDescription()) {
            reader.report(QString(), "MATRIX", key, piece.toString());
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
    return LoadLanguage(ProfileSnapshot::fromFile(languageFile), failures);
}

LanguageFileContents LoadLanguage(const ProfileSnapshot &languageFile, FailureReporter &failures)
{
    const LanguageReader read(languageFile, failures);
    LanguageFileContents contents;
    LanguageTables &t = contents.tables;

    t.LanguageName = read.text("GENERAL", "LANGUAGE", "English");
    t.EngineCount = read.count("SEARCHENGINES", "14");
    t.QuestionCount = read.count("QUESTIONS", "9");
    for (int n = 0; n < t.EngineCount; ++n)
        read.fillTable(t.EngineName, n, "ENGINES", "ENGINE", QStringLiteral("???"));
    for (int n = 0; n < t.EngineCount; ++n)
        read.fillTable(t.EngineLink, n, "LINKS", "LINK", DefaultEngineLink);
    for (int n = 0; n < t.QuestionCount; ++n) {
        if (read.inBounds(n, t.QuestionWeight.size(), "QUESTIONS", "Q", n))
            t.QuestionWeight[std::size_t(n)] = 1.0;
    }
    for (int n = 0; n < t.QuestionCount; ++n) {
        read.fillTable(t.QuestionText, n, "QUESTIONS", "Q", QStringLiteral("???"));
        read.fillTable(t.YesText, n, "QUESTIONS", "Y", QStringLiteral("yes"));
        read.fillTable(t.NoText, n, "QUESTIONS", "N", QStringLiteral("no"));
    }
    for (int e = 0; e < t.EngineCount; ++e)
        loadMatrixRow(read, t, e);
    t.Url1 = read.text("URL", QStringLiteral("URL1"), DefaultPortalAddress);
    t.Url2 = read.text("URL", QStringLiteral("URL2"), DefaultPortalAddress);
    t.ExplanationText = read.text("EXPLANATION", "TEXT", "nothing here..");
    for (std::size_t i = 0; i < MenuEntryKeys.size(); ++i) {
        const MenuEntryKey &entry = MenuEntryKeys[i];
        contents.menuCaptions[i] = read.text("MENU", entry.key, entry.defaultCaption);
    }
    contents.welcomeText = read.text("STARTEND", "WELCOME", "Welcome");
    t.FinishedText = read.text("STARTEND", "FINISHED", "Ready");
    return contents;
}

} // namespace zv
