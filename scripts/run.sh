#!/usr/bin/env bash
# Installs what is missing, builds Quillora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORA_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quillora
exec ./build/quillora "$@"
