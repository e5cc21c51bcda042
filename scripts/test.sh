#!/bin/sh
# Installs what is missing, builds Linux, 32-bit Windows (the product), 64-bit Windows and the
# release package build/windows/torv-<version>-win32.zip, and runs every test; the Windows tests run
# under Wine and end with the package's test (unpacked, loaded, updated). Then every Linux test again built with
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer, and each fuzzer for a
# minute on its seed corpus.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
export WINEDEBUG=-all
# Wine names files in the locale's character set: where none is set (a bare root shell) the tests'
# paths in Polish, German and CJK letters could not be made. C.UTF-8 is built into Debian's libc.
case "$(locale charmap 2>/dev/null)" in UTF-8) ;; *) export LC_ALL=C.UTF-8 ;; esac
# A test that compares with files from outside its build (the real models, the Linux build's car
# wash for the Windows build) fails here when they are missing, instead of skipping.
export TORV_WHOLE_SUITE=1
# Objects compiled before, in this checkout or another of the same tree, are taken from ccache.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# Both Windows presets compile everywhere with warnings as errors, so that a warning only one word
# size raises fails here and not on the next machine. Wine runs the 32-bit build only where the
# machine runs 32-bit programs; elsewhere the Windows tests run on the 64-bit build of the same
# sources (the product stays the 32-bit build).
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  windows_tests=windows
  echo "test: this machine runs 32-bit programs: the Windows tests run on the 32-bit product (preset windows)"
else
  windows_tests=windows64
  echo "test: this machine runs no 32-bit programs: the Windows tests run on the 64-bit build (preset windows64)"
fi
for preset in linux windows windows64 linux-sanitize linux-fuzz; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
# The product a coordinator installs; the Windows tests pack and test their own build's package.
cmake --build --preset windows --target package
for preset in linux "$windows_tests" linux-sanitize; do
  ctest --preset "$preset"
done
scripts/fuzz.sh 60
