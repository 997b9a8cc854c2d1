// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Indexing files whose names were chosen to collide, against files of the
// same size with ordinary names; and the biggest files the program reads.
#include "benchfiles.h"
#include "craftedfiles.h"

#include "config/profilesnapshot.h"

#include <benchmark/benchmark.h>

namespace {

void index(benchmark::State &state, const QByteArray &content)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zv::ProfileSnapshot::fromBytes(content));
    state.SetBytesProcessed(state.iterations() * content.size());
    state.counters["file_bytes"] = double(content.size());
}

void BM_Index_CraftedKeys(benchmark::State &state)
{
    index(state, collidingNamesFile(int(state.range(0)), CraftedNames::Keys));
}
BENCHMARK(BM_Index_CraftedKeys)->Arg(20000)->Arg(50000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_Index_OrdinaryKeys(benchmark::State &state)
{
    index(state, ordinaryNamesFile(int(state.range(0)), CraftedNames::Keys));
}
BENCHMARK(BM_Index_OrdinaryKeys)->Arg(20000)->Arg(50000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_Index_CraftedSections(benchmark::State &state)
{
    index(state, collidingNamesFile(int(state.range(0)), CraftedNames::Sections));
}
BENCHMARK(BM_Index_CraftedSections)->Arg(20000)->Arg(50000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_Index_OrdinarySections(benchmark::State &state)
{
    index(state, ordinaryNamesFile(int(state.range(0)), CraftedNames::Sections));
}
BENCHMARK(BM_Index_OrdinarySections)->Arg(20000)->Arg(50000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_Index_1MiB(benchmark::State &state)
{
    index(state, largeLanguageFile());
}
BENCHMARK(BM_Index_1MiB)->Unit(benchmark::kMillisecond);

void BM_Index_RepeatedKey60MiB(benchmark::State &state)
{
    index(state, repeatedKeyFile(60 * 1024 * 1024));
}
BENCHMARK(BM_Index_RepeatedKey60MiB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
