#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then builds the core tests a
# second time with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRUMPWISE_CORE_ONLY=ON -DTRUMPWISE_SANITIZE=ON
cmake --build build-asan --target core_tests
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
