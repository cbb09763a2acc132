#!/usr/bin/env bash
# Installs what is missing, builds Quillora with its tests and runs them all.
# With SANITIZE=1 the tests are built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
BUILD=build
FLAGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${SANITIZE:-0}" = "1" ]; then
  BUILD=build-sanitize
  FLAGS=(-DCMAKE_BUILD_TYPE=Debug -DQUILLORA_SANITIZE=ON)
fi
cmake -S . -B "$BUILD" "${FLAGS[@]}" -DQUILLORA_TESTS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$BUILD" -j"$(nproc)" --output-on-failure
