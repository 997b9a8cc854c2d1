#!/usr/bin/env bash
# One entry point for developers and CI:
#   ./build.sh run            install what is missing, build, start Zorvane
#   ./build.sh test           install what is missing, build, run the test suite
#   ./build.sh test-sanitize  the same suite built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)
./scripts/install-deps.sh

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
        configure_and_build build
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
        ;;
    test-sanitize)
        configure_and_build build-sanitize -DZV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
        ;;
    *)
        echo "usage: $0 run | test | test-sanitize" >&2
        exit 2
        ;;
esac
