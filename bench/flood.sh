#!/usr/bin/env bash
# Tandrel against tools that print without measure, one interface (loopback, in a network
# namespace of its own): for each case the time until the window shows or the result
# window appears, and Tandrel's peak resident memory (VmHWM). The window is driven by keyboard,
# as the tests drive it; every wait has a limit, and a case that does not finish in it says so
# and makes the script fail.
#   flood.sh BUILD_DIR      (run inside `unshare -n`, under Xvfb)
set -uo pipefail
build=$1
failed=0
# The window comes after the scan, which the tool's time limit (30 s) ends at the latest.
window_limit=60 result_limit=60 close_limit=10
line='[discover_list] device 02:1A:7E:00:00:01 at 02:1A:7E:00:00:01 interface lo hfid: PL500_FW1.02b05_FWDate_Jan 15 2014\n'
adapter='{"address": "02:1A:7E:00:00:01", "at": "02:1A:7E:00:00:01", "interface": "00:00:00:00:00:00",
          "interfaceName": "lo", "manufacturerHfid": "PL500_FW1.02b05_FWDate_Jan 15 2014",
          "userHfid": "PL500_FW1.02b05_FWDate_Jan 15 2014", "password": "HomePlugAV",
          "nmk": "50d3e4933f855b7040784df815aa8db7", "pairing": "idle"}'
title="Tandrel 1.01b01"
root=$(xwininfo -root -int | awk '/Window id/ {print $4}')
now() { date +%s.%N; }
peak() { sed -n 's/^VmHWM:\s*\([0-9]*\) kB/\1/p' "/proc/$1/status" 2>/dev/null || true; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# The result window has no title; the root window has none either.
untitled() { xdotool search --onlyvisible --name '^$' 2>/dev/null | grep -vx "$root" | head -n 1 || true; }
past() { (( $(echo "$(now) > $1" | bc) )); } # past DEADLINE
unfinished() { # unfinished CASE WHAT
    printf '%-58s did not finish: %s\n' "$1" "$2"
    failed=1
}

run_case() { # run_case DESCRIPTION FAULTS [factory-default]
    local what=$1 faults=$2 press=${3:-}
    local work hwm=0 shown="" start end
    work=$(mktemp -d)
    cd "$work"
    cp "$build/sim/pwlctl-sim" pwlctl.exe
    printf '{"adapters": [%s], "faults": %s}' "$adapter" "$faults" > pwlctl-sim.json
    start=$(now)
    "$build/Tandrel" 2>/dev/null & local app=$!
    local main="" limit
    limit=$(echo "$start + $window_limit" | bc)
    while kill -0 "$app" 2>/dev/null && ! past "$limit"; do
        local m; m=$(peak "$app"); [[ -n $m ]] && (( m > hwm )) && hwm=$m
        main=$(visible "^$title\$")
        [[ -n $main ]] && break
        sleep 0.05
    done
    end=$(now)
    if [[ -z $main ]]; then
        if kill -0 "$app" 2>/dev/null; then
            unfinished "$what" "no window within $window_limit s"
        else
            unfinished "$what" "Tandrel ended before its window showed"
        fi
        kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
        cd /; rm -rf "$work"; return
    fi
    if [[ -n $press ]]; then
        # The first row (Alt+D to the list, Down chooses its first row), Configure and Factory
        # Default, by their mnemonics.
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        xdotool key --delay 300 alt+d Down alt+c alt+f
        # The result window has no title; it appears when the run and its reading are over.
        local runEnd="" result=""
        limit=$(echo "$(now) + $result_limit" | bc)
        while kill -0 "$app" 2>/dev/null && ! past "$limit"; do
            local m; m=$(peak "$app"); [[ -n $m ]] && (( m > hwm )) && hwm=$m
            [[ -z $runEnd ]] && grep -q "^\[.*\] Finished pwlctl.exe status:.*" <(tail -c 200 Tandrel.log) \
                && grep -q apfw_factory_reset Tandrel.log && runEnd=$(now)
            result=$(untitled)
            [[ -n $result && -n $runEnd ]] && break
            sleep 0.05
        done
        end=$(now)
        if [[ -z $result || -z $runEnd ]]; then
            local missing="no result window"
            [[ -z $runEnd ]] && missing="no factory default run ended"
            kill -0 "$app" 2>/dev/null || missing="Tandrel ended"
            unfinished "$what" "$missing within $result_limit s of the keys"
            kill "$app" 2>/dev/null; wait "$app" 2>/dev/null
            cd /; rm -rf "$work"; return
        fi
        local closeStart; closeStart=$(now)
        # Its OK button by its mnemonic: the text holds the focus.
        xdotool windowfocus --sync "$result" 2>/dev/null || true
        xdotool key alt+o
        local closedIn=""
        limit=$(echo "$closeStart + $close_limit" | bc)
        while ! past "$limit"; do
            [[ -z $(untitled) ]] && { closedIn=$(now); break; }
            sleep 0.05
        done
        [[ -n $closedIn ]] || failed=1
        local closing="not closed"
        [[ -n $closedIn ]] && closing=$(printf 'closed %.2f s after its OK' "$(echo "$closedIn - $closeStart" | bc)")
        printf '%-58s result window %.1f s after the run ended, %s; peak %4d MiB\n' "$what" \
            "$(echo "$end - $runEnd" | bc)" "$closing" $((hwm / 1024))
    else
        local m; m=$(peak "$app"); [[ -n $m ]] && (( m > hwm )) && hwm=$m
        local listed=no
        grep -q "found device: 02:1A:7E:00:00:01" Tandrel.log && listed=yes
        printf '%-58s window after %5.1f s; peak %4d MiB; device listed: %s\n' "$what" \
            "$(echo "$end - $start" | bc)" $((hwm / 1024)) "$listed"
    fi
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    cd /
    rm -rf "$work"
}

run_case "1. a device line, then 1.2 GB, then exit" \
    "{\"discover_list\": {\"stdout\": \"$line\", \"floodText\": \"0123456789abcdef\", \"floodBytes\": 1.2e9}}"
run_case "2. a device line, then output without end" \
    "{\"discover_list\": {\"stdout\": \"$line\", \"floodText\": \"0123456789abcdef\"}}"
run_case "3. a device line, then stderr without end" \
    "{\"discover_list\": {\"stdout\": \"$line\", \"floodText\": \"0123456789abcdef\", \"floodStream\": \"stderr\"}}"
run_case "4. factory default printing 200 MB of short lines" \
    "{\"apfw_factory_reset\": {\"stdout\": \"[apfw_factory_reset] resetting\\n\", \"floodText\": \"x\\n\", \"floodBytes\": 2e8}}" press
exit $failed
