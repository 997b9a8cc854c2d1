// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/randomsource.h"

#include <cmath>

namespace zv {

float RandomSource::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return float(m_state) / 16777216.0f;
}

void RandomSource::reseed(std::uint32_t seed)
{
    // Fold the high bits in, so seeds that differ only there still differ.
    m_state = (seed ^ (seed >> 24)) & 0xFFFFFFu;
}

const QString &chooseAddress(float r, const QString &url1, const QString &url2)
{
    const float n = std::nearbyint(r * 100.0f);
    return std::fmod(n, 2.0f) == 0.0f ? url1 : url2;
}

} // namespace zv
