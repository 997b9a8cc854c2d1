#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One entry point for developers and CI:
#   ./build.sh run            install what is missing, build, start Zorvane
#   ./build.sh test           install what is missing, build, run the test suite
#   ./build.sh test-sanitize  the same suite built with AddressSanitizer and UBSan
#   ./build.sh fuzz-smoke     each fuzz target for a short while on its regression inputs
#   ./build.sh fuzz           each fuzz target for 5 minutes (ZV_FUZZ_SECONDS), two at a
#                             time, its corpus kept in build-fuzz/corpus; prints what each did
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
    fuzz-smoke|fuzz)
        targets=(fuzz_profilereader fuzz_differential fuzz_languagefile fuzz_skinfile fuzz_check
                 fuzz_commandline)
        cmake -S . -B build-fuzz -G Ninja -DZV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
            -DZV_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
        cmake --build build-fuzz -j "$jobs" --target "${targets[@]}"
        if [[ $what == fuzz-smoke ]]; then
            seconds=${ZV_FUZZ_SECONDS:-20}
            parallel=1
            options=(-seed=1)  # the same run every time in CI
        else
            seconds=${ZV_FUZZ_SECONDS:-300}
            parallel=2         # one target per core
            options=()
        fi
        # A finding is an input that crashes, trips a sanitizer, takes over 10 s,
        # or asks for over 512 MiB in one allocation. ASan's quarantine of freed
        # memory is kept small and handed back, so that the allocator's growth
        # over millions of inputs stays far below the RSS limit and is not taken
        # for running out of memory.
        export ASAN_OPTIONS=quarantine_size_mb=32:allocator_release_to_os_interval_ms=1000
        options+=(-max_total_time="$seconds" -timeout=10 -malloc_limit_mb=512 -rss_limit_mb=3072
                  -print_final_stats=1)
        fuzz_one() {  # target: runs it, prints its figures; fails on a finding
            local target=$1 dict=fuzz/profile.dict seeds=(shipped/languages shipped/skins)
            if [[ $target == fuzz_commandline ]]; then dict=fuzz/commandline.dict; seeds=(); fi
            local corpus=build-fuzz/corpus/$target findings
            findings=$(mktemp -d)  # new inputs go here, never into the source tree
            mkdir -p "$corpus"
            [[ $what == fuzz-smoke ]] && corpus=$findings
            if ! "build-fuzz/fuzz/$target" "${options[@]}" -dict="$dict" \
                    -artifact_prefix="$findings/" "$corpus" "fuzz/regressions/$target" \
                    "${seeds[@]}" >"$findings/log" 2>&1; then
                tail -n 40 "$findings/log" >&2
                echo "$target found a fault; its input is above and in $findings" >&2
                return 1
            fi
            local runs cov rate rss
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings/log")
            rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$findings/log")
            rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$findings/log")
            cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$findings/log" | tail -n 1)
            printf '%-20s %12s executions %8s/s  %-22s peak %5s MB  0 findings\n' \
                "$target" "$runs" "$rate" "$cov" "$rss"
            rm -rf "$findings"
        }
        echo "Fuzzing ${#targets[@]} targets for $seconds s each, $parallel at a time"
        failed=0
        for ((i = 0; i < ${#targets[@]}; i += parallel)); do
            pids=()
            for target in "${targets[@]:i:parallel}"; do
                fuzz_one "$target" &
                pids+=($!)
            done
            for pid in "${pids[@]}"; do
                wait "$pid" || failed=1
            done
        done
        exit "$failed"
        ;;
    *)
        echo "usage: $0 run | test | test-sanitize | fuzz-smoke | fuzz" >&2
        exit 2
        ;;
esac
