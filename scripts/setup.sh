#!/bin/sh
# Installs every Debian package the build and the tests need, on a fresh Debian 12 machine, and
# fetches the source of libxlsxwriter (the report's workbook) from Debian into build/sources/, where
# every build compiles it with its own compiler. Does only what is missing; run as root or with sudo
# at hand. "setup.sh pictures" also installs what scripts/workbook_pictures.sh needs (LibreOffice).
set -eu
cd "$(dirname "$0")/.."

# IFC++ (torv-host reads IFC files with it) includes Boost headers without depending on them.
# clang and its runtimes build the fuzzers (libFuzzer) and the sanitizer runs. git lists the
# checkout's files for the test that plays the documents' commands in a fresh copy of it.
packages="cmake ninja-build ccache g++ binutils pkg-config python3 git clang libclang-rt-14-dev
  libcairo2-dev fonts-dejavu-core
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev zlib1g-dev libz-mingw-w64-dev python3-openpyxl
  libifcplusplus-dev libboost-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64"
# The workbook as a spreadsheet program shows it: LibreOffice prints it, poppler pictures the pages.
[ "${1:-}" = pictures ] && packages="$packages libreoffice-calc-nogui poppler-utils"

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $package"
done

as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  # wine32 is an i386 package: the 32-bit Windows build runs its tests under it. Where the machine
  # runs no 32-bit programs, a 64-bit build of the same sources runs them under wine64.
  $as_root dpkg --add-architecture i386
  $as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
fi

scripts/fetch_xlsxwriter.sh
