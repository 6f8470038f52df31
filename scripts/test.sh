#!/usr/bin/env bash
# Builds everything and runs every test. Tests only talk to 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir build --output-on-failure -j2
