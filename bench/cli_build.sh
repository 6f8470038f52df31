# Sourced by the benchmark scripts that time vantorix-cli. Sets `here` (this
# folder), `build` (the script's first argument, or build-bench beside this
# folder) and `cli`, and stops when that build has no vantorix-cli yet.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$(dirname "$here")/build-bench}
cli=$build/src/cli/vantorix-cli
[ -x "$cli" ] || { echo "no vantorix-cli in $build (build it first)" >&2; exit 1; }
