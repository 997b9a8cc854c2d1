// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The index of a profile file's names, and the lookups through it.
//
// Names go into open-addressing tables under a hash whose key is drawn anew
// for every run: with a fixed hash, names chosen to collide made indexing
// quadratic, and no file can aim at a key it cannot know. The hash is a
// polynomial modulo the prime 2^61 - 1 evaluated at that key, so two
// different names collide for a share of at most (length / 7 + 2) / 2^61 of
// the keys. A sorted index would be as safe but costs n log n comparisons of
// names where this costs one hash per name, and the tables grow with the
// distinct names only, so a file of one key repeated millions of times needs
// a few slots.
#include "config/profilesnapshot.h"

#include "config/profilebytes.h"
#include "config/textencoding.h"

#include <QHashFunctions>
#include <QRandomGenerator>

#include <array>
#include <type_traits>
#include <cstring>

namespace zv {

namespace {

constexpr std::uint64_t Prime = (std::uint64_t(1) << 61) - 1;

struct HashKey
{
    std::uint64_t point; // where the polynomial is evaluated, below Prime
    std::uint64_t mix;   // odd: spreads the value over a word's bits
};

const HashKey &runKey()
{
    static const HashKey key = [] {
        QRandomGenerator *random = QRandomGenerator::system();
        return HashKey{random->bounded(quint64(1) << 32, quint64(Prime)), random->generate64() | 1};
    }();
    return key;
}

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    const std::uint64_t sum = (std::uint64_t(product) & Prime) + std::uint64_t(product >> 61);
    return sum >= Prime ? sum - Prime : sum;
}

// The next coefficient added, below Prime.
std::uint64_t hornerStep(std::uint64_t h, std::uint64_t coefficient)
{
    const std::uint64_t next = mulMod(h, runKey().point) + coefficient;
    return next >= Prime ? next - Prime : next;
}

bool isAscii(QByteArrayView s)
{
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

constexpr std::array<unsigned char, 256> LowerCase = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[std::size_t(c)] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return table;
}();

unsigned char lowered(unsigned char c)
{
    return LowerCase[c];
}

// A name as names are compared: letter case folded, as UTF-8 bytes. ASCII
// names of the file, nearly all of them, are folded on the fly in place.
class FoldedName
{
public:
    // A name of the file.
    FoldedName(QByteArrayView bytes, bool windows1252)
    {
        if (isAscii(bytes))
            m_inPlace = bytes;
        else
            fold(windows1252 ? fromWindows1252(bytes) : fromUtf8KeepingMarks(bytes));
    }

    // A name asked for, without the blanks that do not count around the
    // file's names either; nothing for a text no file's name can be (one
    // holding half a surrogate pair).
    static std::optional<FoldedName> asked(QAnyStringView text)
    {
        FoldedName name;
        // Nearly every name asked for is ASCII, most of them Latin-1 text.
        const bool ascii = text.visit([&name](auto view) {
            name.m_folded.resize(view.size());
            for (qsizetype i = 0; i < view.size(); ++i) {
                const auto c = view[i];
                char16_t unit;
                if constexpr (std::is_integral_v<decltype(c)>)
                    unit = static_cast<unsigned char>(c);
                else
                    unit = c.unicode();
                if (unit >= 0x80)
                    return false;
                name.m_folded[i] = char(lowered(static_cast<unsigned char>(unit)));
            }
            return true;
        });
        if (!ascii) {
            const QString whole = text.toString();
            if (!QStringView(whole).isValidUtf16())
                return std::nullopt;
            name.fold(whole);
        }
        // A copy: a view of an empty name need not point into the name at all.
        name.m_folded = trimmedProfileText(name.m_folded).toByteArray();
        return name;
    }

    // Within a scope: the section a key belongs to. Seven bytes make one
    // coefficient, each lowered through a table, as a comparison per byte
    // costs much in the fuzzing builds.
    std::size_t hash(std::uint32_t scope) const
    {
        const QByteArrayView bytes = view();
        std::uint64_t h = scope;
        for (qsizetype i = 0; i < bytes.size(); i += 7) {
            unsigned char chunk[8] = {};
            const qsizetype count = std::min<qsizetype>(7, bytes.size() - i);
            std::memcpy(chunk, bytes.data() + i, std::size_t(count));
            for (unsigned char &c : chunk)
                c = lowered(c);
            std::uint64_t coefficient;
            std::memcpy(&coefficient, chunk, sizeof coefficient);
            h = hornerStep(h, coefficient & 0x00FFFFFFFFFFFFFFull);
        }
        h = hornerStep(h, std::uint64_t(bytes.size()));
        h *= runKey().mix;
        return std::size_t(h ^ (h >> 32));
    }

    friend bool operator==(const FoldedName &a, const FoldedName &b)
    {
        const QByteArrayView x = a.view();
        const QByteArrayView y = b.view();
        if (x.size() != y.size())
            return false;
        for (qsizetype i = 0; i < x.size(); ++i) {
            const auto c = static_cast<unsigned char>(x[i]);
            if (lowered(c) != lowered(static_cast<unsigned char>(y[i])))
                return false;
        }
        return true;
    }

private:
    FoldedName() = default;

    // The name's bytes, ASCII letters in either case: folded text has none
    // in upper case, and names in place are ASCII.
    QByteArrayView view() const { return m_inPlace ? *m_inPlace : QByteArrayView(m_folded); }

    void fold(const QString &text) { m_folded = text.toCaseFolded().toUtf8(); }

    std::optional<QByteArrayView> m_inPlace;
    QByteArray m_folded;
};

// Walks the table from the hash's home slot; `same` gets each occupied
// slot's entry and says whether it has the name. Returns that slot, or the
// first free slot reached.
template <typename Slots, typename Same>
auto &probe(Slots &slots, std::size_t hash, Same same)
{
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots[i] == 0 || same(slots[i] - 1))
            return slots[i];
    }
}

// `folded(entry)` and `scopeOf(entry)` tell an entry's name and scope.
template <typename Table, typename Folded, typename Scope>
std::uint32_t lookUp(const Table &table, const FoldedName &name, std::uint32_t scope,
                     Folded folded, Scope scopeOf)
{
    if (table.slots.empty())
        return 0;
    return probe(table.slots, name.hash(scope), [&](std::uint32_t other) {
        return scopeOf(other) == scope && folded(other) == name;
    });
}

// Enters `entry` unless an earlier entry has its name and scope: whether it
// counts. The table doubles when half full; slots hold entries only, so
// moving over folds and hashes every name of the table once more.
template <typename Table, typename Folded, typename Scope>
bool enter(Table &table, std::uint32_t entry, const FoldedName &name, std::uint32_t scope,
           Folded folded, Scope scopeOf)
{
    if (2 * (table.entries + 1) > table.slots.size()) {
        const std::size_t size = std::max<std::size_t>(16, 2 * table.slots.size());
        const std::vector<std::uint32_t> old =
            std::exchange(table.slots, std::vector<std::uint32_t>(size, 0));
        for (std::uint32_t e : old) {
            if (e != 0) {
                probe(table.slots, folded(e - 1).hash(scopeOf(e - 1)),
                      [](std::uint32_t) { return false; }) = e;
            }
        }
    }
    std::uint32_t &slot = probe(table.slots, name.hash(scope), [&](std::uint32_t other) {
        return scopeOf(other) == scope && folded(other) == name;
    });
    if (slot != 0)
        return false;
    slot = entry + 1;
    ++table.entries;
    return true;
}

constexpr std::uint32_t SectionScope = ~0u;

} // namespace

void ProfileSnapshot::index()
{
    const bool w1252 = m_encoding == Encoding::Windows1252;
    auto sectionFolded = [&](std::uint32_t i) {
        return FoldedName(sectionNameBytes(m_sections[i]), w1252);
    };
    auto sectionScope = [](std::uint32_t) { return SectionScope; };
    for (std::uint32_t i = 0; i < m_sections.size(); ++i) {
        m_sections[i].counts = enter(m_sectionTable, i, sectionFolded(i), SectionScope,
                                     sectionFolded, sectionScope);
    }
    auto keyFolded = [&](std::uint32_t i) { return FoldedName(keyNameBytes(m_keys[i]), w1252); };
    auto keyScope = [&](std::uint32_t i) { return std::uint32_t(m_keys[i].section); };
    for (std::uint32_t i = 0; i < m_keys.size(); ++i) {
        Key &key = m_keys[i];
        key.counts = key.section >= 0 && m_sections[std::size_t(key.section)].counts
                     && enter(m_keyTable, i, keyFolded(i), keyScope(i), keyFolded, keyScope);
    }
}

int ProfileSnapshot::sectionIndex(QAnyStringView name) const
{
    const std::optional<FoldedName> wanted = FoldedName::asked(name);
    if (!wanted)
        return -1;
    const bool w1252 = m_encoding == Encoding::Windows1252;
    return int(lookUp(
               m_sectionTable, *wanted, SectionScope,
               [&](std::uint32_t i) { return FoldedName(sectionNameBytes(m_sections[i]), w1252); },
               [](std::uint32_t) { return SectionScope; }))
           - 1;
}

const ProfileSnapshot::Key *ProfileSnapshot::find(QAnyStringView section, QAnyStringView key) const
{
    return find(sectionIndex(section), key);
}

const ProfileSnapshot::Key *ProfileSnapshot::find(int s, QAnyStringView key) const
{
    if (s < 0)
        return nullptr;
    const std::optional<FoldedName> wanted = FoldedName::asked(key);
    if (!wanted)
        return nullptr;
    const bool w1252 = m_encoding == Encoding::Windows1252;
    const std::uint32_t slot = lookUp(
        m_keyTable, *wanted, std::uint32_t(s),
        [&](std::uint32_t i) { return FoldedName(keyNameBytes(m_keys[i]), w1252); },
        [&](std::uint32_t i) { return std::uint32_t(m_keys[i].section); });
    return slot ? &m_keys[slot - 1] : nullptr;
}

} // namespace zv
