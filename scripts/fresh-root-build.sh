#!/usr/bin/env bash
# Builds the project in a fresh minimal Debian 12 root, set up by nothing but
# scripts/install-deps.sh, so that a package missing from that list fails
# here rather than on a new user's machine. Needs root (debootstrap, chroot).
# The base root is cached as a tarball between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

cache="${XDG_CACHE_HOME:-$HOME/.cache}/vantorix"
tarball="$cache/bookworm-minbase.tar.gz"
root="$(mktemp -d /var/tmp/vantorix-root.XXXXXX)"
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

command -v debootstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
}
# The mirror this machine's apt already uses.
mirror="$(grep -hoE '^(URIs:|deb) +[^ ]+' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    awk '{print $2}' | grep -v security | grep -m1 debian || true)"
[ -n "$mirror" ] || { echo "fresh-root-build: no Debian mirror in the apt sources" >&2; exit 1; }

mkdir -p "$cache"
if [ ! -s "$tarball" ]; then
    echo "== Making the minbase bookworm tarball (cached in $cache)"
    debootstrap --variant=minbase --make-tarball="$tarball.part" bookworm "$root/make" "$mirror" >/dev/null
    mv "$tarball.part" "$tarball"
    rm -rf "$root/make"
fi
echo "== Unpacking a fresh minbase bookworm root"
debootstrap --variant=minbase --unpack-tarball="$tarball" bookworm "$root" "$mirror" >/dev/null

for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
mkdir -p "$root/src"
git ls-files -z | xargs -0 cp --parents -t "$root/src"

echo "== install-deps.sh and a build inside it"
log="$root/build.log"
if ! chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    bash -c 'set -e; cd /src; bash scripts/install-deps.sh
             cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTORIX_BUILD_TESTS=OFF
             cmake --build build -j"$(nproc)"
             test "$(build/src/cli/vantorix-cli --sandbox --quiet mine 减肥 --limit 20 | wc -l)" -ge 20' \
    >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fresh-root-build: the build failed in a fresh Debian 12 root (above)" >&2
    exit 1
fi
echo "== A fresh Debian 12 root builds and mines with install-deps.sh alone"
