#!/bin/sh
# Pictures of a workbook as a spreadsheet program shows it: LibreOffice (headless) prints it to a
# PDF, poppler pictures its first page (the objects) and its last three (the batches, the statuses
# and the batches by status, one page each on a model of a few hundred batches or fewer).
# Usage: scripts/workbook_pictures.sh WORKBOOK.xlsx PREFIX   (writes PREFIX-objects.png,
# PREFIX-batches.png, PREFIX-statuses.png, PREFIX-cross.png)
set -eu
[ $# -eq 2 ] || { echo "usage: $0 WORKBOOK.xlsx PREFIX" >&2; exit 2; }
workbook=$(realpath "$1")
prefix=$2
"$(dirname "$0")/setup.sh" pictures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A profile of its own, so that a LibreOffice the user has open is not asked.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$workbook" \
  >"$work/convert.log" 2>&1 || { cat "$work/convert.log" >&2; exit 1; }
pdf="$work/$(basename "${workbook%.*}").pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
# A page, or its top left corner (width and height in pixels) where the sheet is a short table.
page() { pdftoppm -png -r 80 -singlefile -f "$1" -l "$1" ${3:+-x 0 -y 0 -W $3 -H $4} "$pdf" "$2"; }
page 1 "$prefix-objects"
page $((pages - 2)) "$prefix-batches" 480 320
page $((pages - 1)) "$prefix-statuses" 480 320
page "$pages" "$prefix-cross" 880 360
echo "$prefix-objects.png $prefix-batches.png $prefix-statuses.png $prefix-cross.png"
