#!/bin/sh
# Checks what a built plug-in library exports and imports:
#   check_exports.sh linux|windows|windows64 LIBRARY NAMES
# NAMES: the build's list of the exports, one a line.
set -eu
kind=$1
library=$2
expected=$(sort "$3")
[ -n "$expected" ] || { echo "no export names in $3"; exit 1; }

if [ "$kind" = linux ]; then
  exported=$(nm -D --defined-only "$library" | awk '{print $3}' | sort)
else
  if [ "$kind" = windows64 ]; then
    objdump=x86_64-w64-mingw32-objdump format=pei-x86-64
  else
    objdump=i686-w64-mingw32-objdump format=pei-i386
  fi
  exported=$($objdump -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && !/Table/ {print $3}' | sort)
  $objdump -f "$library" | grep -q "file format $format" || { echo "not a $format DLL"; exit 1; }
  imports=$($objdump -p "$library" | awk '/DLL Name:/ {print $3}')
  for dll in $imports; do
    case $(echo "$dll" | tr 'A-Z' 'a-z') in
      libstdc++*|libgcc*|libwinpthread*|*mingw*)
        echo "imports a runtime DLL: $dll"; exit 1 ;;
    esac
  done
  echo "imports: $(echo $imports)"
fi

if [ "$exported" != "$expected" ]; then
  echo "exports differ from the list $3:"
  echo "$exported"
  exit 1
fi
echo "exports: $(echo $exported)"
