#!/usr/bin/env bash
# The layout scenario plus a photograph of the main window (ImageMagick) into OUT_DIR/main-window.png.
# Usage: screenshot.sh E2E_DRIVER.exe PROGRAM.exe OUT_DIR   (inside a prepared Wine environment)
set -uo pipefail
driver=$1 program=$2 out=$3
rect="$out/main-window.rect" shot="$out/main-window.shot" png="$out/main-window.png"
rm -f "$rect" "$shot" "$png"

timeout 120 wine "$driver" layout "$program" --work "$out" --handshake "$out" &
driver_pid=$!

for _ in $(seq 1 400); do
    [ -f "$rect" ] && break
    kill -0 "$driver_pid" 2>/dev/null || break
    sleep 0.05
done
if [ -f "$rect" ]; then
    read -r x y w h <"$rect"
    sleep 0.3  # let the last repaint reach the X server
    if import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$png"; then
        echo "screenshot: $png (${w}x${h} at $x,$y)"
    else
        echo "FAIL screenshot: import failed"
    fi
    touch "$shot"
fi
wait "$driver_pid"
status=$?
[ -s "$png" ] || { echo "FAIL no screenshot in $png"; status=1; }
rm -f "$rect" "$shot"
exit "$status"
