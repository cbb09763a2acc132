#!/usr/bin/env bash
# Installs what is missing, builds Quillora with its tests and runs them all.
# With SANITIZE=1 the tests are built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate folder.
#
# The plain build's tests then run once more, all in one process and in an
# order drawn at random, so that a test that passes only on what an earlier
# one left behind fails. The seed is printed; QUILLORA_TEST_SEED=<seed>
# (1 to 99999) repeats that order.
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
if [ "${SANITIZE:-0}" != "1" ]; then
  SEED="${QUILLORA_TEST_SEED:-$(( (RANDOM * 32768 + RANDOM) % 99999 + 1 ))}"
  echo "All tests in one process, shuffled with seed $SEED; to repeat this order:"
  echo "  QUILLORA_TEST_SEED=$SEED bash scripts/test.sh"
  echo "  or $BUILD/tests/quillora_tests --gtest_shuffle --gtest_random_seed=$SEED"
  "$BUILD/tests/quillora_tests" --gtest_shuffle --gtest_random_seed="$SEED" --gtest_brief=1
fi
