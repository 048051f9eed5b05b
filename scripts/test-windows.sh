#!/usr/bin/env bash
# Runs the Windows build's tests (unit tests, runtime tests, end-to-end tests) under Wine and Xvfb.
set -euo pipefail
build_dir=${1:?usage: test-windows.sh BUILD_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
wine_env_start "$build_dir" --headless
trap wine_env_stop EXIT
ctest --test-dir "$build_dir" --output-on-failure --timeout 600
