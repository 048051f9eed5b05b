#!/usr/bin/env bash
# A real forced log-off request under Wine, in a throwaway prefix made here and removed afterwards: it must
# end every program of that prefix (a lingering console program included) and the requester itself.
# Usage: session_logoff_test.sh HELPERS_DIR WORK_PARENT. Exit 77 (skipped) without a display.
set -uo pipefail
helpers=$1
[ -n "${DISPLAY:-}" ] || { echo "no display: skipped"; exit 77; }

work=$(mktemp -d "$2/logoff-XXXXXX")
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
cleanup() {
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

mkdir -p "$WINEPREFIX" "$work/markers"
wineserver -p
start=$(date +%s.%N)
if ! timeout 120 wine wineboot -i </dev/null >"$work/wineboot.log" 2>&1; then
    tail -5 "$work/wineboot.log"
    fail "wineboot -i"
fi
timeout 30 wine wineboot </dev/null >/dev/null 2>&1
echo "throwaway prefix ready after $(echo "$(date +%s.%N) - $start" | bc) s"
export HZ_MARKER_DIR="Z:${work//\//\\}\\markers"

timeout 60 wine "$helpers/hz_console_helper.exe" --linger </dev/null >/dev/null 2>&1 &
lingering=$!
for _ in $(seq 1 100); do
    [ -f "$work/markers/hz_console_helper.exe.ran" ] && break
    sleep 0.1
done
[ -f "$work/markers/hz_console_helper.exe.ran" ] || fail "the lingering program did not start"

# Belt and braces: any reboot(2) the request might make fails.
guard=()
if strace -f -qq -e trace=none true 2>/dev/null; then
    guard=(strace -f -qq -o /dev/null -e trace=reboot -e inject=reboot:error=EPERM)
fi
requested=$(date +%s.%N)
timeout 60 "${guard[@]}" wine "$helpers/hz_session_probe.exe" </dev/null >"$work/probe.out" 2>/dev/null
probe=$?
cat "$work/probe.out"
echo "requester ended $(echo "$(date +%s.%N) - $requested" | bc) s after it started (exit $probe)"
grep -q '^requesting' "$work/probe.out" || fail "the probe refused (exit $probe)"
grep -q 'still alive' "$work/probe.out" && fail "the requester survived its own log-off"

for _ in $(seq 1 100); do
    kill -0 "$lingering" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$lingering" 2>/dev/null && fail "the lingering program survived the log-off"
echo "session ended $(echo "$(date +%s.%N) - $requested" | bc) s after the request"
echo "PASS"
