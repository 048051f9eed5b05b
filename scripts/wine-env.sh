# Sourced: prepares a Wine prefix and a display for running the Windows build.
#   wine_env_start BUILD_DIR [--headless]   creates or reuses BUILD_DIR/wineprefix, starts a display when
#                                           needed (always its own Xvfb with --headless) and a warm wineserver
#   wine_env_stop                           ends this prefix's Wine processes and the Xvfb it started
# Chinese locale (ANSI code page 936), a CJK font, a virtual desktop so that Windows screen
# coordinates are X coordinates, and the caption-button font.

export WINEARCH=win64 WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;winemenubuilder.exe=}"

_hz_xvfb_pid=""

_hz_wine_quiet() { timeout "${HZ_WINE_TIMEOUT:-120}" "$@" </dev/null >/dev/null 2>&1; }

_hz_prefix_setup() {
    local marker="$WINEPREFIX/.hezhou-ready"
    [ -f "$marker" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    _hz_wine_quiet wine wineboot -i
    _hz_wine_quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    _hz_wine_quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    # "宋体" and SimSun come from the CJK font that Debian ships.
    local face
    for face in SimSun 宋体 NSimSun 新宋体 "Microsoft YaHei" 微软雅黑 SimHei 黑体; do
        _hz_wine_quiet wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Zen Hei" /f
    done
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    wineserver -k || true
    timeout 20 wineserver -w || true
    touch "$marker"
}

_hz_start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        _hz_xvfb_pid=$!
        local i
        for i in $(seq 1 50); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$_hz_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$_hz_xvfb_pid" 2>/dev/null || true
        _hz_xvfb_pid=""
    done
    echo "wine-env: could not start Xvfb" >&2
    return 1
}

wine_env_start() {
    local build_dir headless=0
    build_dir=$(cd "$1" && pwd)
    [ "${2:-}" = "--headless" ] && headless=1
    export WINEPREFIX="$build_dir/wineprefix"
    if [ "$headless" = 1 ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        _hz_start_xvfb || return 1
    fi
    _hz_prefix_setup
    # A persistent server, warmed up with /dev/null stdio so that no service keeps a pipe open.
    wineserver -k 2>/dev/null || true
    wineserver -p
    _hz_wine_quiet wine wineboot
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && { wineserver -k 2>/dev/null || true; }
    if [ -n "$_hz_xvfb_pid" ]; then
        kill "$_hz_xvfb_pid" 2>/dev/null || true
        wait "$_hz_xvfb_pid" 2>/dev/null || true
        _hz_xvfb_pid=""
    fi
}
