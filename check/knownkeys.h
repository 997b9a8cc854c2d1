// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "config/languagekeys.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zv {

// The keys the program reads from one kind of file, taken from the
// program's own key tables, so that the checker asks for exactly these.
class KnownKeys
{
public:
    // A language file whose counts load `engines` engines and `questions`
    // questions: numbered keys from 0 to the count less one are read.
    static KnownKeys language(int engines, int questions);
    static KnownKeys skin();

    enum class Use { Read, BeyondCount, Unknown };

    // Whether and how the program reads the key; names match without regard
    // to letter case.
    Use use(const QString &section, const QString &key) const;
    bool readsSection(const QString &section) const;

    // Every section the program reads, in table order.
    const QStringList &sections() const { return m_sections; }

    struct Expected
    {
        QString section;
        QString key;
        QString prefix; // of a numbered key; empty for others
    };
    // Every key the program reads and shows a placeholder for when it is
    // missing (optional keys are left out), numbered keys spelt out in a row.
    std::vector<Expected> expected() const;

    // The known key of `section` spelt most like `key`, for a hint; numbered
    // keys are offered with the number `key` ends in. Empty when nothing is
    // close.
    QString closestKey(const QString &section, const QString &key) const;
    QString closestSection(const QString &section) const;
    // The sections that read a key of this name, for a key put in the wrong
    // section.
    QStringList sectionsReading(const QString &key) const;

private:
    struct Entry
    {
        QString section;
        QString key;
        KeyNumbering numbering;
        bool optional;
    };

    void add(const char *section, const char *key, KeyNumbering numbering, bool optional);
    int countOf(KeyNumbering numbering) const;
    bool matches(const Entry &entry, const QString &key, bool *beyondCount) const;

    std::vector<Entry> m_entries;
    QStringList m_sections;
    int m_engines = 0;
    int m_questions = 0;
};

// The number of single-character edits that turn one name into the other,
// without regard to letter case.
int editDistance(const QString &a, const QString &b);

} // namespace zv
