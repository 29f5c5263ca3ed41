#!/usr/bin/env bash
# Builds the program and its tests (no benchmarks) with GCC, Debug, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs the whole test suite there with leak
# detection. Any sanitizer report fails a test and so the run.
set -euo pipefail
cd "$(dirname "$0")/.."
top="$(pwd)"
source scripts/common.sh
ensure_packages
ensure_german_locale

start=$(date +%s)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Test discovery runs every test binary while building: the options above apply there too.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DVELUMAT_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build build-asan -j "$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
echo "Sanitizer-Lauf fertig nach $(($(date +%s) - start)) s"
