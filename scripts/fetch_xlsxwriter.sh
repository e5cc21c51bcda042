#!/bin/sh
# Fetches libxlsxwriter's source package from Debian into build/sources/libxlsxwriter (once).
# Where apt knows no source packages, the machine's own package entries are copied as deb-src
# entries, so that the sources come from the mirror the machine already uses.
set -eu
cd "$(dirname "$0")/.."
target=build/sources/libxlsxwriter
[ -f "$target/include/xlsxwriter.h" ] && exit 0

as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
if ! apt-get source --print-uris libxlsxwriter >/dev/null 2>&1; then
  echo "setup: apt has no source entries; adding its package entries as deb-src"
  entries=$(mktemp)
  # deb822 files: each enabled stanza whose types include deb, as the same stanza of type deb-src.
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|$|\n)/ && !/(^|\n)Enabled:[ \t]*no/ {
           sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$file" >>"$entries"
  done
  # One-line files: each deb line as a deb-src line.
  list_entries=$(mktemp)
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    sed -n 's/^[ \t]*deb[ \t]/deb-src /p' "$file" >>"$list_entries"
  done
  [ -s "$entries" ] && $as_root cp "$entries" /etc/apt/sources.list.d/torv-deb-src.sources
  [ -s "$list_entries" ] && $as_root cp "$list_entries" /etc/apt/sources.list.d/torv-deb-src.list
  $as_root chmod 644 /etc/apt/sources.list.d/torv-deb-src.* 2>/dev/null || true
  rm -f "$entries" "$list_entries"
  # A repository that serves no sources only warns here; the check below decides.
  $as_root apt-get update -qq || true
fi
if ! apt-get source --print-uris libxlsxwriter >/dev/null 2>&1; then
  echo "setup: apt finds no source package of libxlsxwriter; add a deb-src entry for Debian 12 and run again" >&2
  exit 1
fi

unpack=build/sources/unpack
rm -rf "$unpack"
mkdir -p "$unpack"
if ! (cd "$unpack" && apt-get source -qq libxlsxwriter) >"$unpack.log" 2>&1; then
  cat "$unpack.log" >&2
  exit 1
fi
rm -f "$unpack.log"
rm -rf "$target"
mv "$unpack"/libxlsxwriter-*/ "$target"
rm -rf "$unpack"
echo "setup: libxlsxwriter's source is in $target"
