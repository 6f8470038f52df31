#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the benchmarks need.
set -euo pipefail

packages=(
    qt6-base-dev qt6-webengine-dev qt6-l10n-tools qt6-tools-dev
    cmake ninja-build g++ clang-format
    xvfb xauth openbox fonts-wqy-microhei qt6-translations-l10n
    libxlsxwriter-dev zlib1g-dev libicu-dev pkg-config python3-openpyxl
    libbenchmark-dev hyperfine gawk mawk time python3
    clang-14 libclang-rt-14-dev curl dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
