// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// Files made against a profile index with a fixed, public hash (FNV-1a of the
// case-folded name, as Zorvane once used, slot = low bits of h ^ h >> 29):
// every name lands in the first 1/256 of the open-addressing table, so such
// an index probes through one cluster of all the names before it, and
// indexing becomes quadratic. The names are plain letters and digits.
enum class CraftedNames { Keys, Sections };
QByteArray collidingNamesFile(int names, CraftedNames where);

// As many names as collidingNamesFile, of the same length, counted up.
QByteArray ordinaryNamesFile(int names, CraftedNames where);

// One key repeated until the file holds `bytes` bytes.
QByteArray repeatedKeyFile(qsizetype bytes);
