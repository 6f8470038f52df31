#!/usr/bin/env bash
# Builds and starts the window on the embedded sandbox web. Without a display
# it says so and runs the command-line twin on the same sandbox instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    # The browser panel's engine will not start as root with its own sandbox on.
    [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
    exec build/src/app/vantorix --sandbox "$@"
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): running vantorix-cli instead." >&2
echo "+ vantorix-cli --sandbox mine 减肥 --limit 200" >&2
exec build/src/cli/vantorix-cli --sandbox mine 减肥 --limit 200 "$@"
