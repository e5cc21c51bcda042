#!/bin/sh
# Fetches libxlsxwriter's source package from Debian into build/sources/libxlsxwriter (once).
# apt gets a private state for this one fetch, under build/apt-source/: deb-src entries made from
# the mirrors the machine's apt already names, and lists and cache of its own. Nothing under
# /etc/apt or /var/lib/apt is added, changed or removed.
set -eu
cd "$(dirname "$0")/.."
target=build/sources/libxlsxwriter
[ -f "$target/include/xlsxwriter.h" ] && exit 0

fail() {
  echo "setup: cannot fetch libxlsxwriter's source: $1" >&2
  exit 1
}

state=$PWD/build/apt-source
rm -rf "$state"
mkdir -p "$state/sources.list.d" "$state/lists/partial" "$state/cache/archives/partial"
: >"$state/sources.list"
python3 scripts/apt_source_entries.py >"$state/sources.list.d/torv-deb-src.sources"
[ -s "$state/sources.list.d/torv-deb-src.sources" ] ||
  fail "apt names no Debian mirror in /etc/apt/sources.list or /etc/apt/sources.list.d/; add one and run again"

# Run as root, apt downloads as its own user _apt, which must reach the private folders.
if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then
  chown -R _apt:root "$state/lists/partial" "$state/cache/archives/partial"
fi
private_apt() {
  apt-get -o Dir::Etc::SourceList="$state/sources.list" -o Dir::Etc::SourceParts="$state/sources.list.d" \
    -o Dir::State::Lists="$state/lists" -o Dir::Cache="$state/cache" -o Debug::NoLocking=true "$@"
}

if ! private_apt update -qq >"$state/update.log" 2>&1; then
  fail "apt-get update of the machine's mirrors as source entries failed ($(grep -m 1 -E '^(E|Err):' "$state/update.log" || tail -n 1 "$state/update.log")); see $state/update.log"
fi
private_apt source --print-uris libxlsxwriter >/dev/null 2>&1 ||
  fail "the mirrors in /etc/apt offer no source package of libxlsxwriter (it is in Debian 12's main); add a Debian 12 mirror and run again"

unpack=build/sources/unpack
rm -rf "$unpack"
mkdir -p "$unpack"
if ! (cd "$unpack" && private_apt source -qq libxlsxwriter) >"$state/source.log" 2>&1; then
  fail "apt-get source libxlsxwriter failed ($(grep -m 1 -E '^(E|Err):' "$state/source.log" || tail -n 1 "$state/source.log")); see $state/source.log"
fi
rm -rf "$target"
mv "$unpack"/libxlsxwriter-*/ "$target"
rm -rf "$unpack" "$state"
echo "setup: libxlsxwriter's source is in $target"
