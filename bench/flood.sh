#!/usr/bin/env bash
# Tandrel against tools that print without measure, one interface (loopback, in a network
# namespace of its own): for each case the time until the window shows or the result
# window appears, and Tandrel's peak resident memory (VmHWM).
#   flood.sh BUILD_DIR      (run inside `unshare -n`, under Xvfb)
set -uo pipefail
build=$1
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

run_case() { # run_case DESCRIPTION FAULTS [factory-default]
    local what=$1 faults=$2 press=${3:-}
    local work hwm=0 shown="" start end
    work=$(mktemp -d)
    cd "$work"
    cp "$build/sim/pwlctl-sim" pwlctl.exe
    printf '{"adapters": [%s], "faults": %s}' "$adapter" "$faults" > pwlctl-sim.json
    start=$(now)
    "$build/Tandrel" 2>/dev/null & local app=$!
    local main=""
    while kill -0 "$app" 2>/dev/null; do
        local m; m=$(peak "$app"); [[ -n $m ]] && (( m > hwm )) && hwm=$m
        main=$(visible "^$title\$")
        [[ -n $main ]] && break
        sleep 0.05
    done
    end=$(now)
    if [[ -z $main ]]; then
        printf '%-58s Tandrel ended before its window showed\n' "$what"
        cd /; rm -rf "$work"; return
    fi
    if [[ -n $press ]]; then
        eval "$(xdotool getwindowgeometry --shell "$main")"
        xdotool mousemove --window "$main" 60 62 click 1
        sleep 0.3
        xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT - 30)) click 1
        sleep 0.3
        xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT - 128)) click 1
        # The result window has no title; it appears when the run and its reading are over.
        local runEnd="" result=""
        while kill -0 "$app" 2>/dev/null; do
            local m; m=$(peak "$app"); [[ -n $m ]] && (( m > hwm )) && hwm=$m
            [[ -z $runEnd ]] && grep -q "^\[.*\] Finished pwlctl.exe status:.*" <(tail -c 200 Tandrel.log) \
                && grep -q apfw_factory_reset Tandrel.log && runEnd=$(now)
            result=$(untitled)
            [[ -n $result && -n $runEnd ]] && break
            sleep 0.05
        done
        end=$(now)
        local closeStart; closeStart=$(now)
        # Its OK button sits in the lower right corner.
        eval "$(xdotool getwindowgeometry --shell "$result")"
        xdotool mousemove --window "$result" $((WIDTH - 50)) $((HEIGHT - 22)) click 1
        local closedIn=""
        for _ in $(seq 200); do
            [[ -z $(untitled) ]] && { closedIn=$(now); break; }
            sleep 0.05
        done
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
