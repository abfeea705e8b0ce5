# Shared shell functions: the Wine prefix inside a build tree, and the
# virtual X display and long-lived Wine session the tests run in.
# Sourced by scripts/test, scripts/run and scripts/wine-run.

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the prefix must be made offline and silently.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=d;mshtml=d}

# wine_prefix_ensure DIR [desktop]
# Creates the Wine prefix DIR once (later calls reuse it). With "desktop",
# every program of the prefix opens in one 1024x768 virtual desktop: focus then
# follows new windows, and closing a window does not stall without a window manager.
wine_prefix_ensure() {
    local prefix=$1 mode=${2:-}
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.sixpointe-ready" ]; then
            rm -rf "$prefix"
            WINEPREFIX=$prefix wine wineboot -i >/dev/null 2>&1
            if [ "$mode" = desktop ]; then
                WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
                WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
            fi
            WINEPREFIX=$prefix wineserver -w
            touch "$prefix/.sixpointe-ready"
        fi
        wine_prefix_windows_version "$prefix"
        wine_prefix_fonts "$prefix"
    ) 9>"$prefix.lock"
}

# The prefix passes for Windows 10, as most users' systems do. Windows then
# tells a program the truth only if its manifest declares Windows 10 support,
# else "Windows 8", and Wine does the same: the tests see what users see.
# Done once per prefix; a running session takes it at once.
wine_prefix_windows_version() {
    local prefix=$1
    [ -f "$prefix/.sixpointe-win10" ] && return 0
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    # The server that call started must be gone before a session starts its own.
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.sixpointe-win10"
}

# A new prefix finds neither Tahoma (the program's font) nor Marlett (the
# caption buttons' symbols), though Wine ships both: without them the window
# draws in a substitute font and its buttons as letters. Wine reads the Fonts
# folder when a session starts.
wine_prefix_fonts() {
    local fonts=$1/drive_c/windows/Fonts font
    mkdir -p "$fonts"
    for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "$fonts/$font" ] || cp "/usr/share/wine/fonts/$font" "$fonts/$font"
    done
}

# xvfb_start: starts a virtual display on a free number and exports DISPLAY.
# Xvfb picks the number itself (-displayfd), so two runs never race for one.
xvfb_start() {
    local ready number=
    ready=$(mktemp)
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$ready" 2>/dev/null &
    SIX_XVFB_PID=$!
    for _ in $(seq 200); do
        number=$(grep -m 1 -x '[0-9]\+' "$ready" || true)
        [ -n "$number" ] && break
        sleep 0.05
    done
    rm -f "$ready"
    if [ -n "$number" ]; then
        export DISPLAY=":$number"
        for _ in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.05
        done
    fi
    echo "Xvfb did not start" >&2
    return 1
}

# wine_session_start PREFIX KEEPALIVE_EXE
# A persistent wineserver and one idle Windows process keep the desktop and
# Wine's services alive for the whole run, started outside the caller's
# pipes so that they never hold a test's output open.
wine_session_start() {
    export WINEPREFIX=$1
    local keepalive=$2
    wine_prefix_ensure "$WINEPREFIX" desktop
    wineserver -p </dev/null >/dev/null 2>&1
    setsid wine "$keepalive" </dev/null >/dev/null 2>&1 &
    SIX_KEEPALIVE_PID=$!
    # The desktop exists once the keep-alive process has asked for it.
    for _ in $(seq 200); do
        xdotool search --name '^Wine desktop$|Default - Wine desktop' >/dev/null 2>&1 && break
        sleep 0.05
    done
}

wine_session_stop() {
    [ -n "${SIX_KEEPALIVE_PID:-}" ] && kill "$SIX_KEEPALIVE_PID" 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && wineserver -w 2>/dev/null
    [ -n "${SIX_XVFB_PID:-}" ] && kill "$SIX_XVFB_PID" 2>/dev/null
    SIX_KEEPALIVE_PID= SIX_XVFB_PID=
    return 0
}
