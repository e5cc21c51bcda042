#!/bin/sh
# The release package as a user meets it:
#   package_test.sh KIND VERSION BUILD CHECK_EXPORTS.SH EXPORT_NAMES RUNNER VERSION_INFO.EXE [TORV-HOST.EXE]
# KIND (windows or windows64) is the build in the folder BUILD whose package is checked; RUNNER
# the build of the programs that run here (VERSION_INFO.EXE and TORV-HOST.EXE); EXPORT_NAMES the
# build's list of the library's exports.
# Checks the ZIP against its checksum file, its list of files and what `cmake --install BUILD` lays
# out, and the library stripped, its symbols left in the build folder; unpacks it into a viewer's
# plug-in folder with a space in its name, in a Wine prefix of its own; reads the version resource.
# With TORV-HOST.EXE (of the same build) it loads the library from there and uses both panels,
# installs the package again over the used copy, as an update does, and sees the user's colour and
# side-car files kept and their colours shown; then uninstalls.
set -eu
kind=$1 version=$2 build=$3 check_exports=$4 export_names=$5 runner=$6 version_info=$7 host=${8:-}

fail() {
  printf 'package test: %s\n' "$*" >&2
  exit 1
}

# One display for every Windows program of the test: the panels are real windows.
if [ -z "${DISPLAY:-}" ] && [ -z "${TORV_PACKAGE_TEST_DISPLAY:-}" ]; then
  TORV_PACKAGE_TEST_DISPLAY=xvfb exec xvfb-run -a sh "$0" "$@"
fi

if [ "$kind" = windows64 ]; then
  binutils=x86_64-w64-mingw32 zip="$build/torv-$version-win64.zip"
else
  binutils=i686-w64-mingw32 zip="$build/torv-$version-win32.zip"
fi
if [ "$runner" = windows64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
else
  wine=wine
fi
symbols="$build/symbols/torv.dll.debug"
if [ ! -f "$zip" ]; then
  # The product's package, checked from the 64-bit build, is made by the preset windows.
  [ -n "$host" ] || { echo "package test: no $zip to check: build its target package first"; exit 77; }
  fail "no package $zip: build the target package first"
fi

work=$(mktemp -d)
export WINEDEBUG=-all WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "== the download: $(basename "$zip"), $(wc -c <"$zip") bytes, and its checksum file"
(cd "$(dirname "$zip")" && sha256sum -c "$(basename "$zip").sha256") || fail "the checksum does not match"

echo "== what the ZIP holds"
cmake -E tar tf "$zip" | sort >"$work/contents"
sort >"$work/expected" <<EOF
INSTALL.txt
torv.dll
torv_data/
torv_data/batch.png
torv_data/batch_small.png
torv_data/export.png
torv_data/export_small.png
torv_data/lang.de
torv_data/lang.en
torv_data/lang.pl
torv_data/reset.png
torv_data/reset_small.png
torv_data/runtime.png
torv_data/runtime_small.png
torv_data/weight_properties.txt
EOF
diff "$work/expected" "$work/contents" || fail "the ZIP holds other files than a user installs"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
cmake --install "$build" --prefix "$work/installed" >/dev/null
diff -r "$work/unpacked" "$work/installed" || fail "cmake --install lays out other files than the ZIP holds"

echo "== installing: the ZIP unpacked into C:\\IFC Viewer\\plugins\\ of a fresh Wine prefix"
$wine wineboot -i >/dev/null 2>&1 || fail "no Wine prefix"
plugins="$WINEPREFIX/drive_c/IFC Viewer/plugins"
plugin_path='C:\IFC Viewer\plugins\torv.dll'
mkdir -p "$plugins" "$WINEPREFIX/drive_c/models"
(cd "$plugins" && cmake -E tar xf "$zip")
library="$plugins/torv.dll"

echo "== the library stripped, its symbols in the build folder"
$binutils-objdump -h "$library" | grep -q '\.debug_' && fail "torv.dll carries debug sections"
$binutils-objdump -s -j .gnu_debuglink "$library" | grep -q 'torv.dll.debug' ||
  fail "torv.dll does not name its symbols file"
$binutils-objdump -h "$symbols" | grep -q '\.debug_info' || fail "$symbols holds no debug information"
echo "torv.dll: $(wc -c <"$library") bytes; symbols: $(wc -c <"$symbols") bytes"

echo "== exports and imports"
sh "$check_exports" "$kind" "$library" "$export_names"

echo "== INSTALL.txt"
head -c 3 "$plugins/INSTALL.txt" | od -An -tx1 | grep -q 'ef bb bf' || fail "INSTALL.txt has no UTF-8 byte-order mark"
[ "$(tr -cd '\n' <"$plugins/INSTALL.txt" | wc -c)" = "$(tr -cd '\r' <"$plugins/INSTALL.txt" | wc -c)" ] ||
  fail "INSTALL.txt has lines without CR LF"
for heading in "torv $version" Installing Installieren Instalacja '%LOCALAPPDATA%\Quarnex\plugins\torv\'; do
  grep -qF "$heading" "$plugins/INSTALL.txt" || fail "INSTALL.txt lacks \"$heading\""
done

expect() {
  grep -qxF "$2" "$1" || {
    cat "$1" >&2
    fail "$3: no line \"$2\""
  }
}

echo "== the version resource, read as Windows reads it"
$wine "$version_info" "$plugin_path" >"$work/resource" || fail "no version resource in torv.dll"
cat "$work/resource"
for line in "fixed file version: $version.0" "fixed product version: $version.0" "file type: library" \
  "FileVersion: $version" "ProductVersion: $version" "ProductName: torv" "OriginalFilename: torv.dll"; do
  expect "$work/resource" "$line" "the version resource"
done
grep -q '^CompanyName: .' "$work/resource" || fail "the version resource names no producer"

if [ -z "$host" ]; then
  echo "package test: passed, the library not run (no program of its build runs here)"
  exit 0
fi

# run_host SCRIPT OUTPUT: torv-host.exe plays the viewer on a model whose side-car files go to
# C:\models\; its output, lines ending in LF, goes to OUTPUT.
run_host() {
  status=0
  $wine "$host" --plugin "$plugin_path" --script "$1" \
    --generate 'assemblies=3,batch=text,values=B1;B2,path=C:\models\hall.ifc' >"$2.raw" || status=$?
  tr -d '\r' <"$2.raw" >"$2"
  [ "$status" = 0 ] || {
    cat "$2" >&2
    fail "torv-host failed"
  }
}
tab=$(printf '\t')

echo "== the library loaded from the plug-in folder, both panels used"
cat >"$work/first.session" <<'EOF'
ribbon
click Batches
answer color #D1495B
panel batch swatch 1
answer save C:\models\hall.batching.csv
panel batch save
print panel batch
click Status
answer name Erected
panel status menu add
select T-9
context
choose Erected
answer color 2E86DE
panel status swatch 1
answer save C:\models\hall.real-time.csv
panel status save
print panel status
quit
EOF
run_host "$work/first.session" "$work/first.out"
expect "$work/first.out" 'data folder: C:\IFC Viewer\plugins\torv_data\' "the plug-in's information"
expect "$work/first.out" 'api version: 5.41' "the plug-in's information"
expect "$work/first.out" '  button 101 "Batches"' "the ribbon's texts from torv_data"
expect "$work/first.out" '    image: C:\IFC Viewer\plugins\torv_data\batch.png' "the ribbon's images"
expect "$work/first.out" "B1${tab}3${tab}D1495BFF" "the batch panel"
expect "$work/first.out" "Erected${tab}1${tab}2E86DEFF" "the status panel"

producer=$(sed -n 's/^producer: //p' "$work/first.out")
description=$(sed -n 's/^description: //p' "$work/first.out")
for line in "CompanyName: $producer" "FileDescription: $description"; do
  expect "$work/resource" "$line" "the version resource says what the plug-in's information says"
done

echo "== an update over the used copy keeps the user's files"
user_folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Quarnex/plugins/torv"
user_files="$user_folder/uda4_colors.dat $user_folder/uda3_colors.dat
  $WINEPREFIX/drive_c/models/hall.batching.csv $WINEPREFIX/drive_c/models/hall.real-time.csv"
# shellcheck disable=SC2086 # the paths hold no blanks but the plug-in folder's, which is not here
sha256sum $user_files >"$work/user-files" || fail "the plug-in left no colour or side-car files"
# The installed copy stands for an older build: its texts differ from the package's.
sed -i 's/^btn_uda4=.*/btn_uda4=Old batches/' "$plugins/torv_data/lang.en"
(cd "$plugins" && cmake -E tar xf "$zip")
sha256sum -c --quiet "$work/user-files" || fail "the update changed the user's files"
cat >"$work/second.session" <<'EOF'
ribbon
click Batches
print panel batch
click Status
print panel status
quit
EOF
run_host "$work/second.session" "$work/second.out"
expect "$work/second.out" '  button 101 "Batches"' "the updated texts"
expect "$work/second.out" "B1${tab}3${tab}D1495BFF" "the batch colours after the update"
expect "$work/second.out" "Erected${tab}1${tab}2E86DEFF" "the status colours after the update"

echo "== uninstalling as INSTALL.txt says leaves the plug-in folder empty and the user's files"
rm -r "$plugins/torv.dll" "$plugins/torv_data" "$plugins/INSTALL.txt"
[ -z "$(ls -A "$plugins")" ] || fail "the plug-in folder still holds: $(ls -A "$plugins")"
sha256sum -c --quiet "$work/user-files" || fail "the user's files changed"
echo "package test: passed"
