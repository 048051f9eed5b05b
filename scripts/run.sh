#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine (in the user's X display
# when there is one, else in a virtual display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j"$(nproc)" --target hezhou
source scripts/wine-env.sh
wine_env_start build/windows
trap wine_env_stop EXIT
if [ -n "${_hz_xvfb_pid:-}" ]; then
    echo "No X display found: the program runs in the virtual display $DISPLAY (Xvfb)."
fi
wine build/windows/ui/HezhouTimer.exe
