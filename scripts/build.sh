#!/usr/bin/env bash
# Configures and builds into build/ (RelWithDebInfo, Ninja). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)"
