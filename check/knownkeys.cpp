// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/knownkeys.h"

#include "skin/skinfile.h"

#include <algorithm>

namespace zv {

namespace {

// Names longer than this are no misspelling of a key, and comparing them
// would cost time on a hostile file.
constexpr int LongestHintedName = 40;

// The number a numbered key ends in: digits without a leading zero, the way
// the program writes them; -1 for anything else.
int keyNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 5 || (digits.size() > 1 && digits.front() == u'0'))
        return -1;
    int n = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

QString trailingDigits(const QString &key)
{
    qsizetype i = key.size();
    while (i > 0 && key[i - 1].isDigit())
        --i;
    return key.sliced(i);
}

// The candidate among `names` spelt most like `name` (the first of equals),
// or empty when the closest one shares nothing with it.
QString closest(const QString &name, const QStringList &names)
{
    if (name.size() > LongestHintedName)
        return {};
    QString best;
    int bestDistance = 0;
    for (const QString &candidate : names) {
        const int distance = editDistance(name, candidate);
        if (best.isEmpty() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    const int longer = int(std::max(name.size(), best.size()));
    return bestDistance > 0 && bestDistance < longer ? best : QString();
}

} // namespace

int editDistance(const QString &a, const QString &b)
{
    const QString x = a.toUpper();
    const QString y = b.toUpper();
    std::vector<int> row(std::size_t(y.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[std::size_t(j)];
            const int cost = x[i - 1] == y[j - 1] ? 0 : 1;
            row[std::size_t(j)] =
                std::min({above + 1, row[std::size_t(j) - 1] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row.back();
}

KnownKeys KnownKeys::language(int engines, int questions)
{
    KnownKeys known;
    known.m_engines = engines;
    known.m_questions = questions;
    for (const LanguageKey &key : LanguageKeys)
        known.add(key.section, key.key, key.numbering, key.optional());
    return known;
}

KnownKeys KnownKeys::skin()
{
    KnownKeys known;
    for (const SkinKeyName &key : skinKeyNames())
        known.add(key.section, key.key, KeyNumbering::Single, false);
    known.add(SkinCopyrightKey.section, SkinCopyrightKey.key, KeyNumbering::Single, false);
    return known;
}

void KnownKeys::add(const char *section, const char *key, KeyNumbering numbering, bool optional)
{
    m_entries.push_back({QLatin1String(section), QLatin1String(key), numbering, optional});
    if (!m_sections.contains(m_entries.back().section))
        m_sections.append(m_entries.back().section);
}

int KnownKeys::countOf(KeyNumbering numbering) const
{
    return numbering == KeyNumbering::PerEngine ? m_engines : m_questions;
}

bool KnownKeys::matches(const Entry &entry, const QString &key, bool *beyondCount) const
{
    *beyondCount = false;
    if (entry.numbering == KeyNumbering::Single)
        return key.compare(entry.key, Qt::CaseInsensitive) == 0;
    if (!key.startsWith(entry.key, Qt::CaseInsensitive))
        return false;
    const int n = keyNumber(QStringView(key).sliced(entry.key.size()));
    if (n < 0)
        return false;
    *beyondCount = n >= countOf(entry.numbering);
    return true;
}

KnownKeys::Use KnownKeys::use(const QString &section, const QString &key) const
{
    bool beyond = false;
    for (const Entry &entry : m_entries) {
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0
            && matches(entry, key, &beyond))
            return beyond ? Use::BeyondCount : Use::Read;
    }
    return Use::Unknown;
}

bool KnownKeys::readsSection(const QString &section) const
{
    return m_sections.contains(section, Qt::CaseInsensitive);
}

std::vector<KnownKeys::Expected> KnownKeys::expected() const
{
    std::vector<Expected> keys;
    for (const Entry &entry : m_entries) {
        if (entry.optional)
            continue;
        if (entry.numbering == KeyNumbering::Single) {
            keys.push_back({entry.section, entry.key, QString()});
            continue;
        }
        for (int n = 0; n < countOf(entry.numbering); ++n)
            keys.push_back({entry.section, entry.key + QString::number(n), entry.key});
    }
    return keys;
}

QString KnownKeys::closestKey(const QString &section, const QString &key) const
{
    // A name that ends in a number is most likely a numbered key, so those
    // come first and win among equally close names.
    const QString digits = trailingDigits(key);
    const bool numbered = !digits.isEmpty() && digits.size() <= 5;
    const QString number = numbered ? QString::number(digits.toInt()) : u"0"_qs;
    QStringList first;
    QStringList then;
    for (const Entry &entry : m_entries) {
        if (entry.section.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        if (entry.numbering == KeyNumbering::Single)
            (numbered ? then : first).append(entry.key);
        else
            (numbered ? first : then).append(entry.key + number);
    }
    return closest(key, first + then);
}

QString KnownKeys::closestSection(const QString &section) const
{
    return closest(section, m_sections);
}

QStringList KnownKeys::sectionsReading(const QString &key) const
{
    QStringList names;
    bool beyond = false;
    for (const Entry &entry : m_entries) {
        if (matches(entry, key, &beyond) && !names.contains(entry.section))
            names.append(entry.section);
    }
    return names;
}

} // namespace zv
