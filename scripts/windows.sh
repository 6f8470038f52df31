#!/usr/bin/env bash
# Windows build from Debian 12, as root: installs the MinGW-w64 toolchain,
# Wine and NSIS, cross-builds the dependencies once from Debian's own source
# packages into a cache outside the checkout, then builds Vantorix for
# Windows, runs its tests under Wine and writes the zip and the installer.
#
#   bash scripts/windows.sh            everything
#   bash scripts/windows.sh deps       only the dependency cache
#   bash scripts/windows.sh package    the zip and the installer from the last build
#   bash scripts/windows.sh check      build and Wine tests, when the cache exists
#                                      (CI), else one line saying it skipped
#
# Out: build-win64/vantorix-VERSION-win64.zip and ...-win64-setup.exe.
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
# The cross pkg-config reads only the prefix's packages.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"

build="$repo/build-win64"
version="$(sed -n 's/^project(Vantorix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEPREFIX="$cache/wine"

log() { echo "== $*" >&2; }
fail() {
    echo "windows.sh: $*" >&2
    exit 1
}

install_packages() {
    local packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 nsis dpkg-dev
        cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n zip
        qt6-l10n-tools qt6-tools-dev
        unzip xvfb xdotool x11-utils imagemagick fonts-wqy-microhei python3)
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
    local apt=(apt-get -o APT::Sandbox::User=root -o Dir::Etc::SourceList="$list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$lists")
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

build_xlsxwriter() {
    if [ ! -f "$prefix/lib/libz.a" ]; then
        # Static, so no zlib DLL to ship; Debian's source lacks the DLL's
        # resource file anyway.
        log "zlib for Windows"
        cmake -S "$sources/zlib" -B "$work/zlib" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
        cmake --build "$work/zlib" -j"$jobs" --target zlibstatic
        install -D -m644 "$work/zlib/libzlibstatic.a" "$prefix/lib/libz.a"
        install -m644 "$sources/zlib/zlib.h" "$work/zlib/zconf.h" "$prefix/include/"
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

# What the programs need beside them: Qt's libraries, plugins and Chinese
# texts, ICU, libxlsxwriter and the MinGW runtime.
copy_runtime() { # DEST [EXTRA-DLL...]
    local dest="$1" dll plugin
    shift
    mkdir -p "$dest"
    for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Network icudt72 icuin72 icuuc72 libxlsxwriter "$@"; do
        cp -u "$prefix/bin/$dll.dll" "$dest/"
    done
    cp -u /usr/lib/gcc/$triplet/12-posix/{libstdc++-6,libgcc_s_seh-1}.dll \
        /usr/$triplet/lib/libwinpthread-1.dll "$dest/"
    for plugin in platforms/qwindows styles/qwindowsvistastyle tls/qschannelbackend \
        imageformats/qico imageformats/qjpeg imageformats/qgif; do
        install -D -m644 "$prefix/plugins/$plugin.dll" "$dest/plugins/$plugin.dll"
    done
    install -D -m644 -t "$dest/translations" /usr/share/qt6/translations/{qt,qtbase}_zh_CN.qm
    printf '[Paths]\nPlugins = plugins\nTranslations = translations\n' >"$dest/qt.conf"
}

build_vantorix() {
    log "Vantorix for Windows"
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_PREFIX_PATH="$prefix" -DVANTORIX_WEBENGINE=OFF >/dev/null
    cmake --build "$build" -j"$jobs"
    # The tests run from the same folder, with the offscreen platform.
    copy_runtime "$build/bin" Qt6Test
    install -D -m644 "$prefix/plugins/platforms/qoffscreen.dll" "$build/bin/plugins/platforms/qoffscreen.dll"
}

test_vantorix() {
    log "Tests under Wine"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    ctest --test-dir "$build" --output-on-failure -j2 -LE app
    # Same keywords, same bytes, as the Linux build.
    log "Mining the sandbox under Wine and on Linux"
    # The Linux build of the README's commands, or one of the CLI alone.
    local linux="$repo/build"
    if [ ! -x "$linux/src/cli/vantorix-cli" ]; then
        linux="$repo/build-cli"
        cmake -S "$repo" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTORIX_BUILD_GUI=OFF \
            -DVANTORIX_BUILD_TESTS=OFF >/dev/null
        cmake --build "$linux" -j"$jobs" --target vantorix-cli >/dev/null
    fi
    local args
    for args in "--limit 500" "--limit 500 --engine all --format tsv"; do
        # shellcheck disable=SC2086 # the words of $args are the arguments
        "$linux/src/cli/vantorix-cli" --sandbox mine 减肥 $args >"$build/mine-linux.txt"
        # shellcheck disable=SC2086
        "$wine" "$build/bin/vantorix-cli.exe" --sandbox mine 减肥 $args >"$build/mine-windows.txt"
        cmp "$build/mine-linux.txt" "$build/mine-windows.txt" ||
            fail "vantorix-cli.exe $args printed other keywords than the Linux build"
        log "mine 减肥 $args: both printed $(wc -l <"$build/mine-linux.txt") identical lines"
    done
}

package() {
    local name="vantorix-$version-win64" out="$build/package"
    local folder="$out/$name"
    log "Packages"
    rm -rf "$out"
    mkdir -p "$folder"
    cp "$build"/bin/{vantorix,vantorix-cli,vantorix-sandbox}.exe "$folder/"
    $triplet-strip "$folder"/*.exe
    copy_runtime "$folder"
    (cd "$out" && zip -qr9 "$build/$name.zip" "$name")
    # The uninstaller removes exactly these files and folders.
    (cd "$folder" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|' &&
        find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|') \
        >"$out/manifest.nsh"
    makensis -V2 -DVERSION="$version" -DSTAGE="$folder" -DMANIFEST="$out/manifest.nsh" \
        -DOUTFILE="$build/$name-setup.exe" "$repo/packaging/windows/vantorix.nsi"
    log "Wrote $build/$name.zip ($(du -h "$build/$name.zip" | cut -f1)) and $name-setup.exe ($(du -h "$build/$name-setup.exe" | cut -f1))"
}

# The window under Wine on Xvfb, driven through its real controls: 关键词数量
# set to 200, then 开始挖掘; the screenshot goes into the README.
screenshot() {
    local display=:97 shot="$repo/docs/screenshots/windows.png"
    log "The window under Wine, mining 200 keywords"
    Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
    local xvfb=$!
    sleep 2
    DISPLAY="$display" "$wine" "$build/bin/vantorix.exe" --sandbox >/dev/null 2>&1 &
    disown # ended with the Wine server below
    local window="" i
    for i in $(seq 60); do
        window="$(DISPLAY="$display" xdotool search --name Vantorix 2>/dev/null | head -n1 || true)"
        [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || { kill $xvfb; fail "the window did not show under Wine"; }
    sleep 3
    # Control positions in twips, 15 to a pixel: 关键词数量's box, 开始挖掘.
    DISPLAY="$display" xdotool mousemove --window "$window" $(((3960 + 3960 + 400) / 15)) $(((1560 + 1920 + 190) / 15)) \
        click --repeat 3 1 key ctrl+a type 200
    DISPLAY="$display" xdotool mousemove --window "$window" $(((3960 + 120 + 540) / 15)) $(((1560 + 2520 + 190) / 15)) click 1
    sleep 20
    DISPLAY="$display" import -window "$window" "$shot"
    DISPLAY="$display" xdotool key --window "$window" alt+F4 >/dev/null 2>&1 || true
    WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k || true
    kill $xvfb
    log "Wrote $shot"
}

# The zip from an empty Wine prefix, then the installer installed silently,
# used and uninstalled.
check_packages() {
    local name="vantorix-$version-win64" out="$build/package"
    local empty="$out/wine-empty"
    rm -rf "$empty" "$out/unzipped"
    unzip -q "$build/$name.zip" -d "$out/unzipped"
    local programs="$out/unzipped/$name"
    log "The zip's programs in an empty Wine prefix"
    WINEPREFIX="$empty" "$wine" wineboot -i >/dev/null 2>&1 || true
    # A run stops after the query that reaches the limit: 50 or a few more.
    [ "$(WINEPREFIX="$empty" "$wine" "$programs/vantorix-cli.exe" --sandbox mine 减肥 --limit 50 | wc -l)" -ge 50 ] ||
        fail "the zip's vantorix-cli.exe did not mine 50 keywords"
    WINEPREFIX="$empty" "$wine" "$programs/vantorix-sandbox.exe" --help >/dev/null ||
        fail "the zip's vantorix-sandbox.exe does not start"
    WINEPREFIX="$empty" "$wine" "$programs/vantorix.exe" --version >/dev/null ||
        fail "the zip's vantorix.exe does not start"
    log "The installer, silently"
    WINEPREFIX="$empty" "$wine" "$build/$name-setup.exe" /S
    local installed
    installed="$(find "$empty/drive_c/users" -maxdepth 5 -type d -path '*/AppData/Local/Programs/Vantorix' | head -n1)"
    [ -n "$installed" ] && [ -f "$installed/vantorix-cli.exe" ] || fail "the installer installed nothing"
    [ "$(WINEPREFIX="$empty" "$wine" "$installed/vantorix-cli.exe" --sandbox mine 减肥 --limit 50 | wc -l)" -ge 50 ] ||
        fail "the installed vantorix-cli.exe did not mine 50 keywords"
    find "$empty/drive_c" -name 'Vantorix*.lnk' | grep -q . || fail "no Start menu entry"
    # The uninstaller copies itself away and finishes in the background:
    # wait for every process of the prefix.
    WINEPREFIX="$empty" "$wine" "$installed/uninstall.exe" /S
    WINEPREFIX="$empty" /usr/lib/wine/wineserver -w
    [ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -n3 | tr '\n' ' ')"
    ! find "$empty/drive_c" -name 'Vantorix*.lnk' | grep -q . || fail "the uninstaller left the Start menu entry"
    log "Zip and installer checked under Wine"
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
package) # the packages again from the last build, and their checks
    package
    check_packages
    exit 0
    ;;
check) # CI: only where the cache has been built
    if [ ! -f "$prefix/lib/pkgconfig/xlsxwriter.pc" ]; then
        echo "windows.sh: no Windows dependency cache on this machine ($cache); skipped the Windows build"
        exit 0
    fi
    build_vantorix
    test_vantorix
    exit 0
    ;;
esac
deps
build_vantorix
test_vantorix
screenshot
package
check_packages
