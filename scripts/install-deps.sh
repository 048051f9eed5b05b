#!/usr/bin/env bash
# Installs what building and testing needs on Debian or Ubuntu, skipping what is already there.
set -euo pipefail

packages=(
    cmake make g++ googletest clang libclang-rt-dev
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 fonts-wine xvfb xdotool imagemagick x11-utils
    fonts-wqy-zenhei locales python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine shows Chinese captions through the zh_CN locale (ANSI code page 936 for helper programs).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
