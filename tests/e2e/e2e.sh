#!/usr/bin/env bash
# A user's session in a real X window: start Tandrel in a fresh working directory with
# the stand-in tool; start a second one there, which must say so and end; click the first adapter, open its configuration page, run a factory
# default, answer its box; press Factory Default twice in a row, with the mouse and then
# with its mnemonic, while the tool takes two seconds, and see one run for each double
# press; during a reset of six seconds, see the window answer a ping, be drawn again after
# another window lay over it, and take a request to close it only once the reset and its
# box are done; then read the event log and the tool's record of its command lines; last,
# kill a Tandrel outright and start another over its stale lock, and use that one with the
# keyboard alone, up to a rename by Alt+N, a new network password on every adapter and new
# firmware for both adapters of one model.
#   xvfb-run -a -s "-screen 0 1280x800x24" e2e.sh TANDREL PWLCTL_SIM X11CLOSE X11CHECK FIRMWARE
set -euo pipefail
tandrel=$1 sim=$2 x11close=$3 x11check=$4 image=$5
title="Tandrel 1.01b01"
work=$(mktemp -d)
trap 'kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
cp "$sim" pwlctl.exe

fail() {
    echo "FAIL: $* (windows: $(windows | tr "\n" " "); processes: $(pgrep -a -f "$tandrel" | tr "\n" ";"))" >&2
    echo "--- Tandrel.log" >&2; cat Tandrel.log >&2 || true; exit 1
}
windows() { xdotool search --name "^$title\$" 2>/dev/null || true; }
wait_for() { # wait_for DESCRIPTION COMMAND...
    local what=$1; shift
    for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
    fail "timed out waiting for $what"
}
logged() { grep -qF -- "$1" Tandrel.log 2>/dev/null; }
window_count() { [[ $(windows | wc -l) -eq $1 ]]; }
closed() { ! kill -0 "$app" 2>/dev/null; }
click_at() { # click_at WINDOW X Y, relative to the window
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

calls_of() { grep -c "\"args\":\\[[^]]*\"$1\"" pwlctl-sim.calls || true; }
calls_are() { [[ $(calls_of "$1") -eq $2 ]]; }
resets() { calls_of apfw_factory_reset; }
resets_are() { [[ $(resets) -eq $1 ]]; }
answer_box() { # answer_box [WINDOWS LEFT AFTERWARDS]
    wait_for "the result box" window_count 2
    local box
    box=$(windows | grep -vx "$main" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT / 2))
    xdotool key Return
    wait_for "the box to close" window_count "${1:-1}"
}
"$tandrel" & app=$!
wait_for "the main window" window_count 1
main=$(windows | head -n 1)
interface=$(sed -n 's/.*"interface": "\(.*\)".*/\1/p' pwlctl-sim.json | head -n 1)
[[ -n "$interface" ]] || { echo "SKIP: no interface with a hardware address"; exit 77; }
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:01"

# A second Tandrel in the same folder says so and ends; the first one's log and tool runs
# stay its own.
log_before=$(cat Tandrel.log)
calls_before=$(wc -l < pwlctl-sim.calls)
"$tandrel" & second=$!
answer_box
set +e; wait "$second"; second_exit=$?; set -e
[[ $second_exit -eq 1 ]] || fail "the second Tandrel exited with $second_exit"
[[ "$(cat Tandrel.log)" == "$log_before" ]] || fail "the second Tandrel wrote into the first one's log"
[[ $(wc -l < pwlctl-sim.calls) -eq $calls_before ]] || fail "the second Tandrel ran the tool"

# The first row of the device list lies below the Select Device row, at the left.
eval "$(xdotool getwindowgeometry --shell "$main")"
click_at "$main" 60 62
wait_for "the selection" logged "selected Device = 02:1A:7E:00:00:01"
# Configure sits in the middle of the bottom row.
click_at "$main" $((WIDTH / 2)) $((HEIGHT - 30))
# Factory Default is the first action button under the banner: use its mnemonic.
xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT / 2))
xdotool key alt+f
answer_box

# From now on the reset takes two seconds and fails, so that its result is a window that
# leaves the main window free: a second press that landed while the first one ran would
# run again as soon as the first one ends.
reset_fault() { # reset_fault JSON: the stand-in's fault for the factory reset
    python3 - "$1" <<'PY'
import json, sys
state = json.load(open("pwlctl-sim.json"))
state["faults"] = {"apfw_factory_reset": json.loads(sys.argv[1])}
json.dump(state, open("pwlctl-sim.json", "w"))
PY
}
reset_fault '{"delayMs": 2000, "stdout": "[apfw_factory_reset] Error: busy\n"}'
eval "$(xdotool getwindowgeometry --shell "$main")"
# Factory Default, beside Restart, heads the four action rows at the bottom of the page.
xdotool mousemove --window "$main" $((WIDTH * 3 / 4)) $((HEIGHT - 128)) click --repeat 2 --delay 150 1
busy_results_are() { [[ $(grep -cF "[apfw_factory_reset] Error: busy" Tandrel.log) -eq $1 ]]; }
# Its result window takes the focus when it shows: the next keys wait for it.
shown_windows_are() { [[ $(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l) -eq $1 ]]; }
wait_for "the first reset's result" busy_results_are 1
wait_for "its result window" shown_windows_are 2
# A press played back after the run would start another one at once; the count at the end
# of the session catches one that starts later.
[[ $(resets) -eq 2 ]] || fail "a double click made $(( $(resets) - 1 )) resets"
# Without a window manager nothing gives the window back its focus once another one has
# shown, and a mnemonic works only in the active window.
xdotool windowfocus --sync "$main"
xdotool key --delay 400 alt+f alt+f
wait_for "the reset's result" busy_results_are 2
wait_for "its result window" shown_windows_are 3
[[ $(resets) -eq 3 ]] || fail "a double Alt+F made $(( $(resets) - 2 )) resets"

# A reset of six seconds that succeeds.
reset_fault '{"delayMs": 6000}'
xdotool windowfocus --sync "$main"
xdotool key alt+f
wait_for "the long reset" resets_are 4
"$x11check" ping "$title" 1000 || fail "the window did not answer a ping within a second"
# The page's upper part, banner and all, is the same before and after a window lay over it.
eval "$(xdotool getwindowgeometry --shell "$main")"
region="${WIDTH}x$((HEIGHT * 2 / 5))+$X+$Y"
import -window root -crop "$region" before.png
"$x11check" cover "$title" 500
# Drawn again within two seconds, however loaded the machine is.
for _ in $(seq 20); do
    sleep 0.1
    import -window root -crop "$region" after.png
    differing=$(compare -metric AE before.png after.png null: 2>&1 || true)
    [[ $differing == 0 ]] && break
done
[[ $differing == 0 ]] || fail "the window was not drawn again where it was covered ($differing pixels differ)"
"$x11close" "$title" || fail "no window to close"
kill -0 "$app" 2>/dev/null || fail "Tandrel ended in the middle of a reset"
# The reset ends, its box comes with the window behind it, and then the window closes.
answer_box 0
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Tandrel did not end after the action that its close waited for"
[[ $(resets) -eq 4 ]] || fail "the reset ran $(( $(resets) - 3 )) times"
wait "$app" || fail "Tandrel exited with $?"

[[ "$(head -n 1 Tandrel.log)" == *"] ==== Tandrel started ====" ]] || fail "first record"
[[ "$(tail -n 1 Tandrel.log)" == *"] ==== Tandrel closed ====" ]] || fail "last record"
logged "Emitting pwlctl.exe $interface apfw_factory_reset -m 02:1A:7E:00:00:01" || fail "factory default not logged"
logged "[apfw_factory_reset] Done." || fail "tool output not logged"
grep -qF "\"args\":[\"$interface\",\"apfw_factory_reset\",\"-m\",\"02:1A:7E:00:00:01\"]" pwlctl-sim.calls \
    || fail "the tool never saw the factory default"
grep -q '"userHfid": "PL500_FW1.02b05_FWDate_Jan 15 2014"' pwlctl-sim.json || fail "adapter not reset"
[[ $(grep -c 'apfw_factory_reset -m' Tandrel.log) -eq 4 && $(tail -n 2 Tandrel.log | head -n 1) == *"Finished pwlctl.exe status: exitCode=0, exitStatus=0, error=5." ]] \
    || fail "the last reset's records"

# A Tandrel killed outright leaves its lock behind; the next start takes it over.
"$tandrel" & app=$!
wait_for "a new window" window_count 1
kill -9 "$app"
wait "$app" 2>/dev/null || true
[[ -f Tandrel.lock ]] || fail "no lock beside the log"
reset_fault '{}'
"$tandrel" & app=$!
wait_for "a start after a killed Tandrel" window_count 1

# The keyboard alone: the list by its mnemonic, an adapter by the arrows, Return for its
# configuration page, where only the page's own mnemonics act; after the box the focus is
# back on the button, so Space runs it again; Alt+< goes back to the list.
main=$(windows | head -n 1)
wait_for "the start-up scan" logged "found device: 02:1A:7E:00:00:02"
xdotool windowfocus --sync "$main"
xdotool key --delay 300 alt+d Down Return
wait_for "the keyboard selection" logged "selected Device = 02:1A:7E:00:00:01"
# keyed_run KEY SUBCOMMAND: the key runs the tool once more for SUBCOMMAND, and Return
# answers the box that follows.
keyed_run() {
    local before
    before=$(calls_of "$2")
    xdotool windowfocus --sync "$main"
    xdotool key "$1"
    wait_for "$1 to run $2" calls_are "$2" $((before + 1))
    wait_for "the box after $1" window_count 2
    xdotool key Return
    wait_for "the box to close" window_count 1
}
keyed_run alt+f apfw_factory_reset
keyed_run space apfw_factory_reset # the focus came back to Factory Default
keyed_run alt+r apcm_sta_restart
keyed_run space apcm_sta_restart   # and to Restart
xdotool windowfocus --sync "$main"
xdotool key --delay 300 alt+less Down
wait_for "the other adapter selected by an arrow" logged "selected Device = 02:1A:7E:00:00:02"
# Down, Return (which selects the row it goes on with, as a double click's first click), Down.
(( $(grep -c 'selected Device = ' Tandrel.log) == 3 )) || fail "the keys selected more or less than they were pressed for"
# Return to its configuration page, and Alt+N: the prompt holds the adapter's name selected,
# so that the name typed replaces it; Return renames, and Return answers the box that follows.
# The rescan lists the adapter under its new name.
xdotool key Return
wait_for "the other adapter's configuration page" eval '(( $(grep -c "selected Device = 02:1A:7E:00:00:02" Tandrel.log) == 2 ))'
xdotool windowfocus --sync "$main"
xdotool key alt+n
wait_for "the name prompt" window_count 2
xdotool type --delay 100 "Hall"
xdotool key Return
wait_for "the rescan after the rename" logged "found device: 02:1A:7E:00:00:02"$'\t'"02:1A:7E:00:00:01"$'\t'"Hall_PL1200E_FW2.00b01_FWDate_Mar 03 2015"
grep -qF '"userHfid": "Hall_PL1200E_FW2.00b01_FWDate_Mar 03 2015"' pwlctl-sim.json || fail "the adapter was not renamed"
wait_for "the box after the rename" window_count 2
xdotool key Return
wait_for "the box to close" window_count 1
# The same name again runs nothing and says so. A name too long is refused; the prompt asked
# again holds it, the cursor at its end, so that one BackSpace takes its last character.
# A window that is only hidden is still found, until it is destroyed: the newest one counts.
other_window() { windows | grep -vx "$main" | sort -n | tail -n 1; }
replaced() { local now; now=$(other_window); [[ -n "$now" && "$now" -gt "$1" ]]; }
writes_before=$(calls_of set_hfid)
xdotool windowfocus --sync "$main"
xdotool key alt+n
wait_for "the name prompt" window_count 2
prompt=$(other_window)
xdotool key Return
wait_for "the box of the same name" replaced "$prompt"
xdotool key Return
wait_for "the box to close" window_count 1
calls_are set_hfid "$writes_before" || fail "the same name was written again"
long="Hall by the stairs, upstairs" # 28 characters: one more than the adapter takes
xdotool windowfocus --sync "$main"
xdotool key alt+n
wait_for "the name prompt" window_count 2
prompt=$(other_window)
xdotool type --delay 20 "$long"
xdotool key Return
wait_for "the refusal" replaced "$prompt"
box=$(other_window)
xdotool key Return
wait_for "the name prompt again" replaced "$box"
xdotool key BackSpace Return
wait_for "the rename after one BackSpace" logged "found device: 02:1A:7E:00:00:02"$'\t'"02:1A:7E:00:00:01"$'\t'"${long:0:27}_PL1200E_FW2.00b01_FWDate_Mar 03 2015"
wait_for "the box after the rename" window_count 2
xdotool key Return
wait_for "the box to close" window_count 1
# Change Key from the keyboard, on the page of the renamed adapter: Alt+K, the password,
# Tab, the password again, Return. Every adapter found is the default: the other adapters first,
# then the one this computer is connected through, then a scan that finds them all again.
password="Our home 2024"
calls_before=$(wc -l < pwlctl-sim.calls)
xdotool windowfocus --sync "$main"
xdotool key alt+k
prompt_shown() { xdotool search --onlyvisible --name '^Network password$' 2>/dev/null | head -n 1 | grep -q .; }
wait_for "the password prompt" prompt_shown
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Network password$' | head -n 1)"
xdotool type --delay 20 "$password"
xdotool key Tab
xdotool type --delay 20 "$password"
xdotool key Return
wait_for "the result of Change Key" shown_windows_are 2
runs=$(tail -n +$((calls_before + 1)) pwlctl-sim.calls | grep -o '"args":\[[^]]*\]' | sed 's/"args":\[//; s/\]//; s/"//g')
expected_runs="$interface,set_npw,$password,secure,set_key,-m,02:1A:7E:00:00:02
$interface,set_npw,$password,secure,set_key,-m,02:1A:7E:00:00:03
$interface,set_npw,$password,secure,set_key,-m,02:1A:7E:00:00:01"
# A scan first, on the network as it is, and one at the end.
[[ "$(head -n 1 <<<"$runs")" == *,discover_list,* && "$(tail -n 1 <<<"$runs")" == *,discover_list,* ]] ||
    fail "Change Key did not scan first and last: $runs"
[[ "$(grep -v ',discover_list,' <<<"$runs")" == "$expected_runs" ]] || fail "Change Key ran, in order: $runs"
grep -qF "$password" Tandrel.log && fail "the password reached the log"
xdotool key Escape
wait_for "the result window to close" shown_windows_are 1

# New firmware for both adapters of one model, from the keyboard: back to the list, End for the
# Kitchen's row (the last), Return, Alt+U, the image's path typed into the file dialog, Alt+Y to keep the
# names, Alt+A to upgrade all 2. The Kitchen first, the adapter this computer is connected
# through last, each with its name written back; the other model untouched; then a scan.
cp "$image" "$work/new firmware.pwfw"
calls_before=$(wc -l < pwlctl-sim.calls)
xdotool windowfocus --sync "$main"
xdotool key --delay 300 alt+less End Return
wait_for "the Kitchen's page" logged "selected Device = 02:1A:7E:00:00:03"
# focus_dialog: waits for a dialog beside the main window that is not the one before, and focuses it.
last_dialog=""
focus_dialog() {
    local dialog=""
    for _ in $(seq 300); do
        dialog=$(windows | grep -vx "$main" | grep -vx "${last_dialog:-none}" | head -n 1 || true)
        [[ -n "$dialog" ]] && break
        sleep 0.1
    done
    [[ -n "$dialog" ]] || fail "timed out waiting for $1"
    last_dialog=$dialog
    xdotool windowfocus --sync "$dialog"
}
xdotool windowfocus --sync "$main"
xdotool key alt+u
focus_dialog "the file dialog"
xdotool type --delay 20 "\"$work/new firmware.pwfw\""
xdotool key Return
focus_dialog "the Keep question"
xdotool key alt+y
focus_dialog "the question of which adapters"
xdotool key alt+a
wait_for "the result of the upgrade" shown_windows_are 2
runs=$(tail -n +$((calls_before + 1)) pwlctl-sim.calls \
    | python3 -c 'import json, sys; [print(call["args"][1], call["args"][-1]) for call in map(json.loads, sys.stdin) if "args" in call]')
expected_runs=""
for adapter in 02:1A:7E:00:00:03 02:1A:7E:00:00:01; do
    for subcommand in upgrade_ggl get_hfid set_hfid apcm_sta_restart; do
        expected_runs+="$subcommand $adapter"$'\n'
    done
done
# The scan waits until the last adapter, restarting, answers again.
expected_runs+="get_hfid 02:1A:7E:00:00:01"
[[ "$(head -n 9 <<<"$runs")" == "$expected_runs" ]] || fail "the upgrade of all ran, in order: $runs"
[[ $(grep -cF "\"upgrade_ggl\",\"$work/new firmware.pwfw\"" pwlctl-sim.calls) -eq 2 ]] || fail "not the image chosen"
[[ -z "$(tail -n +10 <<<"$runs" | grep -v '^discover_list ')" ]] || fail "the upgrade of all ended with: $runs"
grep -qF '"userHfid": "Kitchen_PL500_FW2.01b03_FWDate_Jun 30 2016"' pwlctl-sim.json || fail "the Kitchen lost its name"
grep -qF "\"userHfid\": \"${long:0:27}_PL1200E_FW2.00b01_FWDate_Mar 03 2015\"" pwlctl-sim.json || fail "the other model was touched"
logged "Firmware upgrade 1 of 2, Kitchen (02:1A:7E:00:00:03): upgraded, its name kept" || fail "the Kitchen's outcome not logged"
logged "Firmware upgrade 2 of 2, PL500 (02:1A:7E:00:00:01): upgraded, its name kept" || fail "the last outcome not logged"
xdotool key Escape
wait_for "the result window to close" shown_windows_are 1
"$x11close" "$title"
wait_for "Tandrel to end" closed
echo "PASS: a second copy refused, select, configure, factory default, a double press gives one run, a live window during a run, a close that waits, a stale lock taken over, the keyboard alone, a rename, the same name, a refusal and one BackSpace, a network password on every adapter, new firmware for every adapter of a model"
