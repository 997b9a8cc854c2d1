// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "craftedfiles.h"

#include <QList>

#include <bit>
#include <cstdint>
#include <random>

namespace {

constexpr int NameLength = 10;
constexpr char Alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";

// The old index: FNV-1a over the folded UTF-16 units, started from the
// scope (the key's section number, ~0 for sections).
std::uint64_t oldSlotHash(const QByteArray &name, std::uint32_t scope)
{
    std::uint64_t h = 0xcbf29ce484222325ull ^ scope;
    for (char c : name) {
        h ^= std::uint8_t(c);
        h *= 0x100000001b3ull;
    }
    return h ^ (h >> 29);
}

QByteArray fileOf(const QList<QByteArray> &names, CraftedNames where)
{
    QByteArray file = where == CraftedNames::Keys ? "[CRAFTED]\n" : "";
    for (const QByteArray &name : names)
        file += where == CraftedNames::Keys ? name + "=v\n" : '[' + name + "]\n";
    return file;
}

} // namespace

QByteArray collidingNamesFile(int names, CraftedNames where)
{
    // The old table had bit_ceil(2n + 2) slots.
    const std::uint64_t slots = std::bit_ceil(std::uint64_t(2 * names + 2));
    const std::uint64_t window = std::max<std::uint64_t>(1, slots / 256);
    const std::uint32_t scope = where == CraftedNames::Keys ? 0 : ~0u;
    std::mt19937_64 random(names);
    QList<QByteArray> found;
    QByteArray name(NameLength, ' ');
    while (found.size() < names) {
        for (char &c : name)
            c = Alphabet[random() % (sizeof Alphabet - 1)];
        if ((oldSlotHash(name, scope) & (slots - 1)) < window)
            found.append(name);
    }
    return fileOf(found, where);
}

QByteArray ordinaryNamesFile(int names, CraftedNames where)
{
    QList<QByteArray> counted;
    for (int i = 0; i < names; ++i)
        counted.append(QByteArray::number(i).rightJustified(NameLength, 'n'));
    return fileOf(counted, where);
}

QByteArray repeatedKeyFile(qsizetype bytes)
{
    const QByteArray line = "KEY=value\n";
    QByteArray file = "[S]\n";
    file.reserve(bytes);
    while (file.size() + line.size() <= bytes)
        file += line;
    return file;
}
