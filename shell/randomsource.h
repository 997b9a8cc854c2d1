// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace zv {

// The program's one pseudo-random generator: a 24-bit linear congruential
// generator that starts every run in the same state, so the choices it makes
// repeat from run to run until it is reseeded.
class RandomSource
{
public:
    // The next value, 0 <= r < 1, in single precision.
    float next();

    // Restarts the sequence from a seed, such as the clock's reading.
    void reseed(std::uint32_t seed);

private:
    std::uint32_t m_state = 0x50000;
};

// One of two addresses at random: n = r × 100 rounded half to even; an even
// n picks the first, an odd one the second.
const QString &chooseAddress(float r, const QString &url1, const QString &url2);

} // namespace zv
