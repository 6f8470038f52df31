#!/usr/bin/env bash
# Windows build from Debian 12, as root: installs the MinGW-w64 toolchain,
# Wine and NSIS, cross-builds the dependencies once from Debian's own source
# packages into a cache outside the checkout, then builds Vantorix for
# Windows, runs its tests under Wine and writes the zip and the installer.
#
#   bash scripts/windows.sh            everything
#   bash scripts/windows.sh deps       only the dependency cache
#
# The first run builds ICU and Qt (about 90 minutes on 2 cores); later runs
# reuse the cache and take minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
stage="${1:-all}"

triplet=x86_64-w64-mingw32
qt_version=6.4.2
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/vantorix"
key="win64-qt$qt_version-icu72-gcc12"
cache="$cache_root/$key"
prefix="$cache/prefix"
sources="$cache/sources"
work="$cache/build"
jobs="$(nproc)"
export VANTORIX_WIN64_PREFIX="$prefix"

log() { echo "== $*" >&2; }

install_packages() {
    local packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 nsis dpkg-dev
        cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools zip xvfb xdotool
        fonts-wqy-microhei imagemagick python3)
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    log "Installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Debian's source packages through a sources list of our own, so that the
# system's apt configuration is never changed.
fetch_sources() { # PACKAGE...
    local lists="$cache/apt-lists" list="$cache/sources.list"
    mkdir -p "$sources" "$lists/partial"
    local mirror
    mirror="$(grep -hoE '^(URIs:|deb) +[^ ]+' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
        awk '{print $2}' | grep -v security | grep -m1 debian || true)"
    echo "deb-src $mirror bookworm main" >"$list"
    local apt=(apt-get -o Dir::Etc::SourceList="$list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$lists")
    "${apt[@]}" update -qq
    for package in "$@"; do
        [ -d "$sources/$package" ] && continue
        log "Fetching the source of $package"
        if ! (cd "$sources" && "${apt[@]}" source -qq --download-only "$package" >/dev/null); then
            echo "windows.sh: the source package $package cannot be fetched from $mirror" >&2
            exit 1
        fi
    done
    for package in "$@"; do
        [ -d "$sources/$package" ] && continue
        local dsc
        dsc="$(ls "$sources/${package}"_*.dsc | head -n1)"
        (cd "$sources" && dpkg-source --no-check -x "$dsc" "$package" >/dev/null)
    done
}

cmake_cross() { # SOURCE BUILD ARGS...
    local source="$1" build="$2"
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >/dev/null
    cmake --build "$build" -j"$jobs"
    cmake --install "$build" >/dev/null
}

build_icu() {
    [ -f "$prefix/lib/libicuuc.dll.a" ] && return
    log "ICU: the build machine's tools, then the Windows libraries"
    local native="$work/icu-native" cross="$work/icu-win64"
    mkdir -p "$native" "$cross"
    (cd "$native" && [ -f Makefile ] || "$sources/icu/source/configure" --disable-tests --disable-samples >/dev/null)
    make -C "$native" -j"$jobs" >/dev/null
    (cd "$cross" && [ -f Makefile ] || "$sources/icu/source/configure" --host=$triplet \
        --with-cross-build="$native" --prefix="$prefix" --disable-tests --disable-samples \
        --disable-extras --disable-tools CC=$triplet-gcc-posix CXX=$triplet-g++-posix >/dev/null)
    make -C "$cross" -j"$jobs" >/dev/null
    make -C "$cross" install >/dev/null
}

build_qtbase() {
    [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] && return
    log "qtbase $qt_version for Windows (the long part)"
    cmake_cross "$sources/qt6-base" "$work/qtbase" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_WITH_PCH=OFF \
        -DFEATURE_icu=ON -DICU_ROOT="$prefix" \
        -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_dbus=OFF -DINPUT_openssl=no -DFEATURE_printsupport=OFF -DFEATURE_xml=ON
}

build_qt_module() { # NAME SOURCE-PACKAGE
    [ -f "$prefix/lib/cmake/Qt6$1/Qt6$1Config.cmake" ] && return
    log "$2 for Windows"
    cmake -S "$sources/$2" -B "$work/$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
    cmake --build "$work/$2" -j"$jobs"
    cmake --install "$work/$2" >/dev/null
}

build_xlsxwriter() {
    if [ ! -f "$prefix/lib/libzlib.dll.a" ] && [ ! -f "$prefix/lib/libz.dll.a" ]; then
        log "zlib for Windows"
        cmake_cross "$sources/zlib" "$work/zlib"
    fi
    [ -f "$prefix/lib/pkgconfig/xlsxwriter.pc" ] && return
    log "libxlsxwriter for Windows"
    cmake_cross "$sources/libxlsxwriter" "$work/libxlsxwriter" -DBUILD_SHARED_LIBS=ON \
        -DZLIB_ROOT="$prefix"
}

deps() {
    install_packages
    fetch_sources icu qt6-base zlib libxlsxwriter
    build_icu
    build_qtbase
    build_xlsxwriter
    log "Dependencies ready in $prefix"
}

case "$stage" in
qtbase) # ICU and qtbase alone: the long part, to warm the cache
    install_packages
    fetch_sources icu qt6-base
    build_icu
    build_qtbase
    exit 0
    ;;
deps)
    deps
    exit 0
    ;;
esac
deps
echo "windows.sh: building and packaging Vantorix itself is not written yet" >&2
exit 1
