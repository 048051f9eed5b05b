#!/usr/bin/env bash
# Installs what is missing, builds every build of the project and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/install-deps.sh

echo "== Native build (AddressSanitizer, UndefinedBehaviorSanitizer) and unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DHZ_SANITIZE=ON >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

echo "== Fuzz targets (libFuzzer, a bounded run each)"
cmake -S . -B build/fuzz -DHZ_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j"$jobs"
ctest --test-dir build/fuzz --output-on-failure

echo "== Windows build and its tests under Wine"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j"$jobs"
# Under Wine nothing may reach beyond loopback: as root, run in a network namespace of its own.
if [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null; then
    unshare -n bash -c 'ip link set lo up && exec bash scripts/test-windows.sh build/windows'
else
    bash scripts/test-windows.sh build/windows
fi
