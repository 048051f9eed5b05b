#!/usr/bin/env bash
# One forced log-off requested by the real program, in a throwaway Wine prefix made here (never the
# shared one): the log-off must end that Wine session, every process of the prefix, with exit status 0.
# Usage: forced_logoff.sh E2E_DRIVER.exe PROGRAM.exe MARKER.exe WORK_DIR
set -uo pipefail
driver=$1 program=$2 marker=$3 work=$4
shared_prefix=${WINEPREFIX:?run inside a prepared Wine environment}
prefix=$(mktemp -d "$work/logoff-prefix.XXXXXX")
log="$work/forced_logoff.log"

fail() { echo "FAIL $*"; status=1; }
prefix_pids() {  # Linux processes whose environment names the throwaway prefix
    local p
    for p in /proc/[0-9]*; do
        { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && echo "${p#/proc/}"
    done
}
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    WINEPREFIX=$prefix timeout 10 wineserver -w 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT
status=0

# A fresh prefix of its own, with the null display driver: nothing of it reaches the shared display.
export WINEPREFIX=$prefix
unset DISPLAY
wineserver -p
timeout 120 wine wineboot -i </dev/null >/dev/null 2>&1
timeout 30 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
wineserver -k; timeout 10 wineserver -w
wineserver -p
timeout 60 wine wineboot </dev/null >/dev/null 2>&1

# A bystander program, then the program under test, then the driver that schedules the log-off.
timeout 90 wine "$marker" --linger 60 </dev/null >/dev/null 2>&1 &
bystander=$!
timeout 90 wine "$program" </dev/null >/dev/null 2>&1 &
program_pid=$!
HZ_E2E_THROWAWAY_PREFIX=1 timeout 90 wine "$driver" forced_logoff "$program" >"$log" 2>&1 </dev/null &
driver_pid=$!

wait "$program_pid"; program_status=$?
cat "$log"
grep -q "log-off scheduled" "$log" || fail "the driver did not schedule the log-off"
[ "$program_status" = 0 ] || fail "program exit status $program_status (expected 0; 124 = still running)"
timeout 15 bash -c "while kill -0 $bystander 2>/dev/null; do sleep 0.1; done" || fail "the bystander outlived the log-off"
timeout 30 bash -c "while kill -0 $driver_pid 2>/dev/null; do sleep 0.1; done" || fail "the driver outlived the log-off"
grep -q "outlived" "$log" && fail "the driver saw the program end without the session ending"
# Only the prefix's wineserver may remain.
leftover=""
for pid in $(prefix_pids); do
    name=$(cat "/proc/$pid/comm" 2>/dev/null)
    case "$name" in wineserver*) continue ;; esac
    leftover="$leftover $pid:$name"
done
[ -z "$leftover" ] || fail "processes of the prefix still running:$leftover"
# The shared prefix is untouched.
WINEPREFIX=$shared_prefix timeout 30 wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || fail "the shared prefix stopped working"
[ "$status" = 0 ] && echo "ok   the forced log-off ended the whole throwaway Wine session; program exit status 0"
exit "$status"
