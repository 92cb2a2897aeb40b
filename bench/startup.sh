#!/usr/bin/env bash
# Start-up time and peak memory of Tandrel beside the minimal window, under their own Xvfb,
# in a fresh working directory whose pwlctl.exe is the instant tool.
#   startup.sh RUNS BUILD_DIR
set -euo pipefail
runs=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
cp "$build/bench/instanttool" "$work/pwlctl.exe"
cd "$work"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/bench/startup-probe" "$runs" "$build/Tandrel" "$build/bench/minimalwindow"
echo "discoveries at Tandrel's start-up: $(grep -c ' discover_list ' Tandrel.log)"
