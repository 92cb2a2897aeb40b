#!/usr/bin/env bash
# Tandrel.exe under wine in a real X window, started from a working directory that is not
# the folder of the executable, with the stand-in tool there as pwlctl.exe:
# 1. a tool that crashes at every discovery: the "pwlctl.exe crashed!" box comes before
#    the window, and the status lines report the crash;
# 2. a user's session: the demo adapters listed, the first row clicked, Configure and Factory
#    Default by their mnemonics 0.3 s apart, its box answered, Space on the button that kept
#    the focus, back to the list and the arrows, Return; then a reset of ten seconds during
#    which Windows never finds the window hung and a WM_CLOSE waits until the reset and its
#    box are done; then the event log (CR LF line ends, its records) and the tool's record
#    of its command lines;
# 3. a session end during a reset, refused, and one with no run, which ends Tandrel;
# 4. at 192 DPI, twice the usual: the window lies within the screen's work area on both
#    pages, and a second Tandrel started in the same folder says so and ends, leaving the
#    first one's log alone;
# 5. Tandrel killed outright and wine's server gone after it: the next start, which wine
#    gives the killed one's process id, takes the lock over and comes up with its window;
# 6. under German (LC_ALL=de_DE.UTF-8 makes it wine's display language): the buttons answer
#    their German mnemonics, the Keep box its "Ja", and the log stays English.
#   xvfb-run -a -s "-screen 0 1280x800x24" wine-e2e.sh TANDREL_FOLDER PWLCTL_SIM_EXE X11CLOSE WINPROBE_EXE [SHOT.png]
# The firmware image of part 6 comes from the demo folder beside TANDREL_FOLDER.
# WINEPREFIX (and TANDREL_WINDOWS_KIT, unless the default) come from the caller; the programs
# run through cmake/wine-run, which puts the kit's DLLs on their path.
set -euo pipefail
folder=$1 sim=$2 x11close=$3 winprobe=$4 shot=${5:-}
wine_run="$(cd "$(dirname "$0")/../.." && pwd)/cmake/wine-run"
title="Tandrel 1.01b01"
work=$(mktemp -d)
app=
dpi() { # dpi DOTS_PER_INCH: the screen's resolution as Windows sees it
    "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}
trap '[[ -n $app ]] && { kill "$app" 2>/dev/null || true; }; wineserver -k 2>/dev/null || true; dpi 96; rm -rf "$work"' EXIT
cd "$work"
cp "$sim" pwlctl.exe

fail() { echo "FAIL: $*" >&2; echo "--- Tandrel.log" >&2; cat Tandrel.log >&2 || true; exit 1; }
windows() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true; }
wait_for() { # wait_for DESCRIPTION COMMAND...
    local what=$1; shift
    for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}
logged() { grep -qF -- "$1" Tandrel.log 2>/dev/null; }
count() { grep -cF -- "$1" Tandrel.log 2>/dev/null || true; }
window_count() { [[ $(windows | wc -l) -eq $1 ]]; }
any_window() { [[ -n $(windows) ]]; }
closed() { ! kill -0 "$app" 2>/dev/null; }
resets_are() { [[ $(grep -c '"args":\[[^]]*"apfw_factory_reset"' pwlctl-sim.calls || true) -eq $1 ]]; }
press_return_in() { # press_return_in WINDOW
    # A box that went away meanwhile (answered by the key before) is no fault: the callers
    # wait for what the key should bring, and press again where that is needed.
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 0
    eval "$geometry"
    xdotool mousemove --window "$1" $((WIDTH / 2)) $((HEIGHT / 2)) 2>/dev/null || return 0
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key Return
}
start() { "$wine_run" "$folder/Tandrel.exe" >/dev/null 2>&1 & app=$!; }
first_row_y() { # first_row_y WINDOW: where the first row of the device list is drawn, if it is
    # Where it lies depends on the fonts that wine finds: it is looked for in the window's
    # picture, the first line of text below the list's top edge, which the middle of the
    # window meets first.
    import -window "$1" -depth 8 ppm:- 2>/dev/null | python3 -c '
import sys
data = sys.stdin.buffer.read()
fields = data.split(maxsplit=4)
width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
def dark(x, y, limit):
    r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
    return r + g + b < limit
top = next((y for y in range(height) if dark(width // 2, y, 3 * 200)), None)
rows = [] if top is None else [y for y in range(top + 2, height) if any(dark(x, y, 3 * 128) for x in range(width // 40, width // 4))]
if not rows:
    sys.exit(1)
band = [rows[0]]
while band[-1] + 1 in rows:
    band.append(band[-1] + 1)
print(band[len(band) // 2])'
}
row_drawn() { first_row_y "$1" >/dev/null; }
click_first_row() { # click_first_row WINDOW: a click on the first row of the device list
    local y
    y=$(first_row_y "$1") || fail "no row in the device list"
    xdotool mousemove --window "$1" $((WIDTH / 20 + 20)) "$y" click 1
}
picture() { import -window "$1" -depth 8 ppm:- 2>/dev/null | md5sum; }
close_main() {
    "$x11close" "$title" || fail "no window to close"
    wait_for "Tandrel to end" closed
    wait "$app" || fail "Tandrel.exe exited with $?"
}

# 1. Every discovery crashes.
printf '{"adapters": [], "faults": {"discover_list": {"crash": true, "stdout": ""}}}' > pwlctl-sim.json
start
wait_for "the first discovery" logged "Emitting pwlctl.exe "
# The batch starts all of its runs at once, before it waits for them: the first box comes after.
wait_for "the first crash box" any_window
emitted=$(count "Emitting pwlctl.exe ")
# Each run's status line follows its box, once the box is answered.
finished_at_least() { (( $(count "Finished pwlctl.exe") >= $1 )); }
for box in $(seq "$emitted"); do
    wait_for "crash box $box" any_window
    logged "Finished pwlctl.exe" && finished_at_least "$box" && fail "status line $box came before its box"
    for _ in $(seq 20); do
        press_return_in "$(windows | head -n 1)"
        for _ in $(seq 10); do finished_at_least "$box" && break 2; sleep 0.1; done
    done
    finished_at_least "$box" || fail "crash box $box could not be answered"
done
(( $(count "exitStatus=1, error=1.") == emitted )) || fail "a crash was not reported as a crash"
wait_for "the main window after the boxes" window_count 1
close_main
echo "PASS: $emitted crashed discoveries, each with its box before the window"

# 2. A session with the demo adapters.
rm -f pwlctl-sim.json pwlctl-sim.calls Tandrel.log
start
wait_for "the main window" window_count 1
main=$(windows | head -n 1)
interface=$(sed -n 's/.*"interface": "\(.*\)".*/\1/p' pwlctl-sim.json | head -n 1)
[[ -n "$interface" ]] || { close_main; echo "SKIP: wine reports no interface with a hardware address"; exit 77; }
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"
wait_for "the device list's rows drawn" row_drawn "$main"
[[ -n $shot ]] && import -window "$main" "$shot"
# The first row, then Configure and Factory Default by their mnemonics.
eval "$(xdotool getwindowgeometry --shell "$main")"
click_first_row "$main"
wait_for "the selection" logged "selected Device = 02:1A:7E:00:00:01"
# The keys 0.3 s apart, as a quick user types them: Configure, then Factory Default on the
# page that Configure opens; after its box the focus is back on the button, so Space runs it
# again; Alt+< goes back to the list, where the arrows select and Return goes on.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+c alt+f
wait_for "the reset by its mnemonic" resets_are 1
wait_for "the result box" window_count 2
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
wait_for "the box to close" window_count 1
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key space
wait_for "the reset by Space on the button that kept the focus" resets_are 2
wait_for "its box" window_count 2
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
wait_for "the box to close" window_count 1
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+less Down
wait_for "the other adapter selected by an arrow" logged "selected Device = 02:1A:7E:00:00:02"
xdotool key --delay 300 Up Return
wait_for "the first adapter selected again" eval '(( $(count "selected Device = 02:1A:7E:00:00:01") == 3 ))'

# A reset of ten seconds, and a WM_CLOSE posted three seconds into it.
python3 - <<'PY'
import json
state = json.load(open("pwlctl-sim.json"))
state["faults"] = {"apfw_factory_reset": {"delayMs": 10000}}
json.dump(state, open("pwlctl-sim.json", "w"))
PY
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+f
wait_for "the long reset" resets_are 3
"$wine_run" "$winprobe" watch "$title" 8 > watch.txt 2>&1 & watcher=$!
"$wine_run" "$winprobe" close "$title" || fail "no window to post WM_CLOSE to"
wait "$watcher" || fail "Windows found the window hung during the reset: $(tr -d '\r' < watch.txt)"
box_or_end() { window_count 2 || closed; }
wait_for "the long reset's box" box_or_end
closed && fail "Tandrel ended in the middle of a reset"
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
wait_for "Tandrel to end after the reset" closed
wait "$app" || fail "Tandrel.exe exited with $?"
resets_are 3 || fail "the reset ran again"

lines=$(wc -l < Tandrel.log)
(( $(grep -c $'\r$' Tandrel.log) == lines )) || fail "a line of the log does not end in CR LF"
[[ "$(head -n 1 Tandrel.log)" == *"] ==== Tandrel started ===="$'\r' ]] || fail "first record"
[[ "$(tail -n 1 Tandrel.log)" == *"] ==== Tandrel closed ===="$'\r' ]] || fail "last record"
logged "Emitting pwlctl.exe $interface discover_list -t 2" || fail "no discovery logged"
logged "Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=5." || fail "no status line"
logged "Emitting pwlctl.exe $interface apfw_factory_reset -m 02:1A:7E:00:00:01" || fail "factory default not logged"
logged "[apfw_factory_reset] Done." || fail "tool output not logged"
grep -qF "\"args\":[\"$interface\",\"apfw_factory_reset\",\"-m\",\"02:1A:7E:00:00:01\"]" pwlctl-sim.calls \
    || fail "the tool never saw the factory default"
echo "PASS: Tandrel.exe under wine: list, select, configure, factory default, never hung during a long reset, a close that waits; CR LF log ($(tr -d '\r' < watch.txt))"

# 3. Windows ends the session (wineboot --end-session, as a shutdown does): refused during a
#    reset, after which Tandrel stays open; with no run, Tandrel ends at once, closed record
#    last.
rm -f Tandrel.log
start
wait_for "the main window" window_count 1
main=$(windows | head -n 1)
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+d Down alt+c alt+f
wait_for "the reset" resets_are 4
set +e; "$wine_run" wineboot --end-session >/dev/null 2>&1; refused=$?; set -e
(( refused != 0 )) || fail "the session end was not refused in the middle of a reset"
closed && fail "Tandrel ended in the middle of a reset"
wait_for "the reset's box" window_count 2
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
wait_for "the box to close" window_count 1
# Tandrel still answers: Back, and Down selects the other adapter.
selections=$(count "selected Device = ")
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+less Down
answered() { closed || (( $(count "selected Device = ") > selections )); }
wait_for "Tandrel to answer keys after the session end it refused" answered
closed && fail "Tandrel closed after the session end that it refused"
[[ $(tail -c 2 Tandrel.log | od -An -tx1 | tr -d ' \n') == 0d0a ]] || fail "the log does not end in a whole record"
"$wine_run" wineboot --end-session >/dev/null 2>&1 || fail "the session end was refused with no run"
wait_for "Tandrel to end with the session" closed
[[ "$(tail -n 1 Tandrel.log)" == *"] ==== Tandrel closed ===="$'\r' ]] || fail "no closed record at the session end"
[[ -e Tandrel.lock ]] && fail "the lock outlived the session end"
echo "PASS: a session end refused during a reset, Tandrel open after it; with no run, Tandrel closed at once"

# 4. At 192 DPI.
on_screen() { # on_screen WHERE: waits until the window's frame lies within the work area
    local _w l t r b _a wl wt wr wb
    for _ in $(seq 50); do
        read -r _w l t r b _a wl wt wr wb < <("$wine_run" "$winprobe" rect "$title" | tr -d '\r')
        (( l >= wl && t >= wt && r <= wr && b <= wb )) && return 0
        sleep 0.1
    done
    fail "on $1 the window ($l $t $r $b) passes the screen's work area ($wl $wt $wr $wb)"
}
dpi 192
rm -f Tandrel.log pwlctl-sim.calls
start
wait_for "the main window at 192 DPI" window_count 1
main=$(windows | head -n 1)
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"
wait_for "the device list's rows drawn at 192 DPI" row_drawn "$main"
on_screen "the device list"
eval "$(xdotool getwindowgeometry --shell "$main")"
click_first_row "$main"
wait_for "the selection" logged "selected Device = 02:1A:7E:00:00:01"
xdotool windowfocus --sync "$main" 2>/dev/null || true
list_picture=$(picture "$main")
xdotool key alt+c
page_shown() { [[ $(picture "$main") != "$list_picture" ]]; }
wait_for "the configuration page at 192 DPI" page_shown
on_screen "the configuration page"
log_before=$(cat Tandrel.log)
"$wine_run" "$folder/Tandrel.exe" >/dev/null 2>&1 & second=$!
wait_for "the second Tandrel's box" window_count 2
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
set +e; wait "$second"; second_exit=$?; set -e
[[ $second_exit -eq 1 ]] || fail "the second Tandrel exited with $second_exit"
[[ "$(cat Tandrel.log)" == "$log_before" ]] || fail "the second Tandrel wrote into the first one's log"
close_main
dpi 96
echo "PASS: at 192 DPI the window lies on the screen on both pages; a second Tandrel in the folder refused"

# 5. Killed outright, as a crash or End Task ends it; wine's server ends after it.
rm -f Tandrel.log
start
wait_for "the main window" window_count 1
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"
killed_id=$(head -n 1 Tandrel.lock | tr -d '\r')
kill -9 "$app"
wait "$app" 2>/dev/null || true
wineserver -w
wait_for "the killed Tandrel's window to go" window_count 0
[[ -f Tandrel.lock ]] || fail "the killed Tandrel left no lock"
# Only the new Tandrel writes a log now: a start refused over the lock would show its box.
rm -f Tandrel.log
start
wait_for "a start after a killed Tandrel, with its scan" logged "found device: 02:1A:7E:00:00:01"
wait_for "its window" window_count 1
new_id=$(head -n 1 Tandrel.lock | tr -d '\r')
close_main
echo "PASS: a start after a killed Tandrel.exe and wine's end takes its lock over (process id $killed_id, then $new_id)"

# 6. Under German. "&Einstellungen >" and "&Werkseinstellungen" answer Alt+E and Alt+W, which
#    do nothing in English; Alt+F is "&Firmware-Update" (in English Factory Default). The Keep
#    box's "&Ja" answers Alt+J, which does nothing in English, and the name is written back.
#    ("&Nein" takes Alt+N as "&No" does: no key tells them apart.) The Kitchen has the same
#    model: the question of which adapters takes "&Nur dieser Adapter", Alt+N.
rm -f Tandrel.log pwlctl-sim.calls
image=$(ls "$folder-demo"/*.pwfw 2>/dev/null | head -n 1)
[[ -n $image ]] || fail "no firmware image in $folder-demo"
cp "$image" firmware.pwfw
LC_ALL=de_DE.UTF-8 "$wine_run" "$folder/Tandrel.exe" >/dev/null 2>&1 & app=$!
wait_for "the main window in German" window_count 1
main=$(windows | head -n 1)
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"
wait_for "the device list's rows drawn" row_drawn "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
click_first_row "$main"
wait_for "the selection" logged "selected Device = 02:1A:7E:00:00:01"
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+e alt+w
wait_for "the reset by its German mnemonic" resets_are 1
wait_for "its box" window_count 2
press_return_in "$(windows | grep -vx "$main" | head -n 1)"
wait_for "the box to close" window_count 1
# The upgrade of firmware.pwfw, typed into the file dialog, its Keep box answered by Alt+J.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+f
wait_for "the file dialog" window_count 2
dialog=$(windows | grep -vx "$main" | head -n 1)
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "Z:${work//\//\\}\\firmware.pwfw"
xdotool key Return
wait_for "the Keep box" eval '[[ -n $(windows | grep -vx "$main" | grep -vx "$dialog") ]]'
box=$(windows | grep -vx "$main" | grep -vx "$dialog" | head -n 1)
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key alt+j
wait_for "the question of which adapters" eval '[[ -n $(windows | grep -vxE "$main|$dialog|$box") ]]'
scope=$(windows | grep -vxE "$main|$dialog|$box" | head -n 1)
xdotool windowfocus --sync "$scope" 2>/dev/null || true
xdotool key alt+n
wait_for "the upgrade after Ja" grep -q '"upgrade_ggl"' pwlctl-sim.calls
wait_for "the name written back after Ja" grep -q '"set_hfid"' pwlctl-sim.calls
[[ $(grep -c '"upgrade_ggl"' pwlctl-sim.calls) -eq 1 ]] || fail "Nur dieser Adapter upgraded more than the adapter"
# Its result box, a window other than those before it.
wait_for "the upgrade's box" eval '[[ -n $(windows | grep -vxE "$main|$dialog|$box|$scope") ]]'
press_return_in "$(windows | grep -vxE "$main|$dialog|$box|$scope" | head -n 1)"
wait_for "the box to close" window_count 1
close_main
# The log as in English: its records, and nothing outside ASCII.
logged "==== Tandrel started ====" && logged "Emitting pwlctl.exe " && logged "==== Tandrel closed ====" \
    || fail "the log's records are not the English ones"
LC_ALL=C grep -q $'[^\t\r -~]' Tandrel.log && fail "the log holds text outside ASCII: $(LC_ALL=C grep -m1 $'[^\t\r -~]' Tandrel.log)"
echo "PASS: under German the buttons answer their German mnemonics, the Keep box its Ja, the question of which adapters its Nur dieser Adapter; the log English"
