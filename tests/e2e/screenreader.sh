#!/usr/bin/env bash
# A screen-reader user's session: Tandrel in a real X window with a window manager, a session
# bus and the accessibility bus, a keyboard session played with xdotool, and an AT-SPI client
# (screenreader.py) that writes down what a screen reader hears of it. Checked at each step:
# the row heard after the start-up scan, the adapter heard on entering its page before the
# first action, the focus during a restart (on the action that runs, its time when asked, the
# other actions unavailable), the focus after its box, the row after Back, and after a scan
# (the selected adapter's row, or the first row once it is gone), where the first arrow
# chooses the row heard. Every process it starts, it ends.
#   xvfb-run -a -s "-screen 0 1280x800x24 -noreset" screenreader.sh TANDREL PWLCTL_SIM X11CLOSE LISTENER
set -euo pipefail
tandrel=$1 sim=$2 x11close=$3 listener=$4
# Debian's own interpreter, which python3-pyatspi serves, whatever else the PATH finds first.
python=/usr/bin/python3
title="Tandrel 1.01b01"
work=$(mktemp -d)
mkdir -m 700 "$work/home" "$work/run"
# The buses' sockets and the window manager's files stay in the session's folder; every process
# started here carries the marker, by which the end finds any that outlived it.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TANDREL_SCREENREADER_SESSION="$work"
pids=()

marked_processes() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}; pid=${pid%/environ}
        [[ $pid == "$$" || $pid == "$BASHPID" ]] && continue
        grep -qzx "TANDREL_SCREENREADER_SESSION=$work" "$environ" 2>/dev/null && echo "$pid"
    done
    true
}
end_all() { # ends, by their ids, the processes started here, the last started first
    local i pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for _ in $(seq 100); do [[ -z $(marked_processes) ]] && return 0; sleep 0.1; done
    for pid in $(marked_processes); do kill -9 "$pid" 2>/dev/null || true; done
    return 1
}
trap 'end_all || true; rm -rf "$work"' EXIT
cd "$work"
cp "$sim" pwlctl.exe

fail() {
    echo "FAIL: $*" >&2
    echo "--- heard since the step began" >&2; since_mark >&2 || true
    echo "--- Tandrel.log" >&2; cat Tandrel.log >&2 || true
    exit 1
}
wait_for() { # wait_for DESCRIPTION COMMAND...: up to 60 s on a loaded machine
    local what=$1; shift
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}
logged() { grep -qF -- "$1" Tandrel.log 2>/dev/null; }
selections() { grep -c "selected Device = $1" Tandrel.log || true; }
selections_are() { [[ $(selections "$1") -eq $2 ]]; }
# One more selection of the adapter than before the key.
chosen_by() { # chosen_by KEY ADDRESS
    local before
    before=$(selections "$2")
    xdotool key "$1"
    wait_for "$1 to choose $2" selections_are "$2" $((before + 1))
}

# What was heard since the step began: mark, then the keys, then what follows the mark.
mark() { marked=$(wc -l < heard); }
since_mark() { tail -n +$((marked + 1)) heard; }
heard_line() { since_mark | grep -qxF -- "$1"; }
hear() { wait_for "to hear: $1" heard_line "$1"; }
last_focus() { since_mark | grep '^focus ' | tail -n 1; }
focus_is() { [[ $(last_focus) == "$1" ]]; }
# The focus lands on LINE, and what is heard ends there.
hear_focus() { wait_for "the focus to end on: $1" focus_is "$1"; }
# Nothing heard since the mark names the focus on another of these buttons.
never_focused() {
    local button
    for button in "$@"; do
        ! since_mark | grep -q "^focus push button \"$button\"" || fail "the focus went to $button"
    done
}

# The desktop a screen reader runs in: a window manager (without its autostart, which would
# start a second bus launcher), a session bus, and the accessibility bus with its registry.
openbox --sm-disable 2>/dev/null & pids+=($!)
wait_for "the window manager" xprop -root _NET_SUPPORTING_WM_CHECK
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
bus_address() {
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                  org.a11y.Bus.GetAddress 2>/dev/null) && address=$(echo $address) && [[ -n $address ]]
}
wait_for "the accessibility bus" bus_address
# The toolkit's bridge can look for the bus before a session bus answers where it is, and then
# never registers; a desktop session publishes the address on the root window, where the
# bridge finds it at once.
xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS "$address"
/usr/libexec/at-spi2-registryd & pids+=($!)
registry_up() {
    dbus-send --bus="$address" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true
}
wait_for "the registry" registry_up
touch heard
marked=0
"$python" "$listener" heard 2>listener.err & listener_pid=$!; pids+=($listener_pid)
wait_for "the screen reader to listen" heard_line ready

# The start-up scan, on two adapters: the focus on the first row, heard with the adapter's name
# and firmware version, which the first arrow chooses.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tandrel" & app=$!; pids+=($app)
mark
hear_focus 'focus list item "02:1A:7E:00:00:01 - PL500, Living room, firmware 1.02, this computer" in "Select Device"'
wait_for "the window to be active" xdotool search --name "^$title\$"
chosen_by Down 02:1A:7E:00:00:01

# Return on the row: the adapter, then the first action.
mark
xdotool key Return
hear_focus 'focus push button "Restart" in "Living room, model PL500, address 02:1A:7E:00:00:01"'
[[ $(since_mark | grep -c '^focus ') -eq 1 ]] || fail "something else was heard before the first action"

# A restart of eight seconds: the focus on what runs, never on another action, which are
# unavailable meanwhile; its time when asked; after its box, back on Restart.
"$python" - <<'PY'
import json
state = json.load(open("pwlctl-sim.json"))
state["faults"] = {"apcm_sta_restart": {"delayMs": 8000}}
json.dump(state, open("pwlctl-sim.json", "w"))
PY
mark
xdotool key alt+r
hear_focus 'focus push button "Restart: running" unavailable in "Living room, model PL500, address 02:1A:7E:00:00:01"'
hear 'unavailable push button "Factory Default"'
hear 'unavailable push button "Back"'
heard_time() {
    kill -USR1 "$listener_pid"
    since_mark | grep -q '^asked "Restart: running, 0:0[2-9]"$'
}
wait_for "the restart's time when asked" heard_time
hear_focus 'focus push button "OK" in ""'
never_focused "Factory Default" "Firmware Upgrade" "Simple Connect" "Change Key" "Back"
mark
xdotool key Return
hear_focus 'focus push button "Restart" in "Living room, model PL500, address 02:1A:7E:00:00:01"'
hear 'available push button "Factory Default"'

# Back: on the selected adapter's row.
mark
xdotool key alt+less
hear_focus 'focus list item "02:1A:7E:00:00:01 - PL500, Living room, firmware 1.02, this computer" selected in "Select Device"'

# A scan: on the selected adapter's row, now not selected; Down chooses it again, not the next.
mark
xdotool key alt+s
hear 'focus push button "Scan: running" unavailable in ""'
hear_focus 'focus list item "02:1A:7E:00:00:01 - PL500, Living room, firmware 1.02, this computer" in "Select Device"'
chosen_by Down 02:1A:7E:00:00:01

# A scan that no longer finds the selected adapter: on the first row.
"$python" - <<'PY'
import json
state = json.load(open("pwlctl-sim.json"))
state["adapters"] = [a for a in state["adapters"] if a["address"] != "02:1A:7E:00:00:01"]
json.dump(state, open("pwlctl-sim.json", "w"))
PY
mark
xdotool key alt+s
hear_focus 'focus list item "02:1A:7E:00:00:02 - PL1200E, Office, firmware 2.00" in "Select Device"'
chosen_by Down 02:1A:7E:00:00:02

"$x11close" "$title" || fail "no window to close"
wait "$app" || fail "Tandrel exited with $?"
end_all || fail "processes outlived the session: $(marked_processes | tr '\n' ' ')"
echo "PASS: heard the row after the start, the adapter before its first action, the restart and its time with the other actions unavailable, Restart after its box, the row after Back and after two scans"
