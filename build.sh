#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One entry point for developers and CI:
#   ./build.sh run            install what is missing, build, start Zorvane
#   ./build.sh test           install what is missing, build, run the test suite
#   ./build.sh test-sanitize  the same suite built with AddressSanitizer and UBSan
#   ./build.sh fuzz-smoke     each fuzz target for a short while on its regression inputs
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)
case "$what" in
    run) ./scripts/install-deps.sh build ;;
    *) ./scripts/install-deps.sh test ;;
esac

configure_and_build() {  # build-dir, extra cmake options...
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$what" in
    run)
        configure_and_build build
        exec ./build/program/zorvane
        ;;
    test)
        # Asked for by name, so a missing test tool stops the configure.
        configure_and_build build -DBUILD_TESTING=ON -DZV_BENCHMARKS=ON
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
        ;;
    test-sanitize)
        configure_and_build build-sanitize -DZV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
            -DBUILD_TESTING=ON
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
        ;;
    fuzz-smoke)
        targets=(fuzz_profilereader fuzz_differential fuzz_languagefile fuzz_skinfile fuzz_check)
        cmake -S . -B build-fuzz -G Ninja -DZV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
            -DZV_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
        cmake --build build-fuzz -j "$jobs" --target "${targets[@]}"
        seconds=${ZV_FUZZ_SECONDS:-30}
        for target in "${targets[@]}"; do
            scratch=$(mktemp -d)  # new inputs go here, never into the source tree
            echo "Fuzzing $target for $seconds s"
            if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -seed=1 \
                    -rss_limit_mb=4096 -dict=fuzz/profile.dict -print_final_stats=1 \
                    -artifact_prefix="$scratch/" "$scratch" "fuzz/regressions/$target" \
                    shipped/languages shipped/skins >"$scratch/log" 2>&1; then
                tail -n 40 "$scratch/log" >&2
                echo "$target found a fault; its input is above" >&2
                exit 1
            fi
            grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/log" || true
            rm -rf "$scratch"
        done
        ;;
    *)
        echo "usage: $0 run | test | test-sanitize | fuzz-smoke" >&2
        exit 2
        ;;
esac
