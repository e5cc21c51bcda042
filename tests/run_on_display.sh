#!/bin/sh
# Runs a Windows test program under Wine on a virtual display of its own, in a Wine prefix that
# only these runs use (PREFIX, made on first use): Wine's server keeps the display of the process
# that started it, so a server shared with runs without a display, or with a display that has
# gone, makes no windows. The server is waited for before the display goes.
# Usage: run_on_display.sh PREFIX WINE PROGRAM [ARGUMENTS...]
prefix=$1
shift
export WINEPREFIX="$prefix"
# A new prefix would offer to install Mono and Gecko, which nothing here needs, in a dialog.
export WINEDLLOVERRIDES="mscoree=;mshtml="
exec xvfb-run -a sh -c '"$@"; status=$?; wineserver -w; exit $status' run_on_display "$@"
