# Shared by the scripts that run tsviewer.exe on an X display: a private Xvfb
# when there is no display, a Wine session of its own, and finding the viewer's
# window. Source it from bash; it defines functions and sets no options.
#
#   xd_start_xvfb LOG         starts Xvfb on a free display (of XD_SCREEN, by
#                             default 1280x1024x24), exports DISPLAY
#   xd_stop_xvfb              stops the Xvfb xd_start_xvfb started, if any
#   xd_display_works          whether $DISPLAY names a display that answers
#   xd_wine_session PREFIX    exports the Wine settings for PREFIX, begins a
#                             fresh session there (persistent wineserver) and
#                             gives the prefix the settings of wine-prefix.reg
#   xd_wine_end               ends that session and every Wine process in it
#   xd_wait_window PID TEXT SECONDS
#                             prints the id of the first visible window whose
#                             caption contains TEXT; fails when PID ends or
#                             the time runs out
#   xd_close_window WINDOW PID
#                             closes the window with Alt+F4 (the program's own
#                             shutdown) and waits up to 15 s for PID to end;
#                             fails, saying why, when it does not end or ends
#                             with a status other than 0
#   xd_cleanup                an EXIT trap: ends xd_viewer_pid when it still
#                             runs, the Wine session and the Xvfb

xd_xvfb_pid=""
# This file's folder, where wine-prefix.sh lives.
xd_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The program a script started, for xd_cleanup.
xd_viewer_pid=""

xd_display_works() {
    [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1
}

# A display number nobody uses; Xvfb itself settles a race for it.
xd_start_xvfb() {
    local log=$1 number _
    for number in $(seq 90 190); do
        [[ -e "/tmp/.X$number-lock" || -e "/tmp/.X11-unix/X$number" ]] && continue
        Xvfb ":$number" -screen 0 "${XD_SCREEN:-1280x1024x24}" -nolisten tcp </dev/null >>"$log" 2>&1 &
        xd_xvfb_pid=$!
        for _ in $(seq 1 50); do
            if [[ -S "/tmp/.X11-unix/X$number" ]]; then
                export DISPLAY=":$number"
                return 0
            fi
            kill -0 "$xd_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xd_xvfb_pid" 2>/dev/null || true
        wait "$xd_xvfb_pid" 2>/dev/null || true
        xd_xvfb_pid=""
    done
    echo "no free X display for Xvfb" >&2
    return 1
}

xd_stop_xvfb() {
    if [[ -n "$xd_xvfb_pid" ]]; then
        kill "$xd_xvfb_pid" 2>/dev/null || true
        wait "$xd_xvfb_pid" 2>/dev/null || true
        xd_xvfb_pid=""
    fi
}

xd_wine_session() {
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    mkdir -p "$WINEPREFIX"
    # A session left from an earlier run would draw on a display that is gone.
    xd_wine_end
    # Wine's background services outlive the first process and keep its stdio.
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot -i </dev/null >/dev/null 2>&1
    sh "$xd_lib_dir/wine-prefix.sh"
}

xd_wine_end() {
    [[ -n "${WINEPREFIX:-}" && -d "$WINEPREFIX" ]] || return 0
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
}

xd_wait_window() {
    local pid=$1 text=$2 seconds=$3 window=""
    local deadline=$((SECONDS + seconds))
    while [[ -z "$window" ]]; do
        if ((SECONDS >= deadline)); then
            echo "no window named \"$text\" within $seconds s" >&2
            return 1
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before showing a window named \"$text\"" >&2
            return 1
        fi
        window=$(xdotool search --onlyvisible --name "$text" 2>/dev/null | head -n 1 || true)
        [[ -n "$window" ]] || sleep 0.2
    done
    echo "$window"
}

xd_close_window() {
    local window=$1 pid=$2 _
    xdotool key --window "$window" alt+F4 >/dev/null 2>&1 || true
    for _ in $(seq 1 75); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not close on Alt+F4" >&2
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    if ((status != 0)); then
        echo "the program ended with status $status" >&2
        return 1
    fi
}

xd_cleanup() {
    local status=$?
    if [[ -n "$xd_viewer_pid" ]] && kill -0 "$xd_viewer_pid" 2>/dev/null; then
        kill "$xd_viewer_pid" 2>/dev/null || true
    fi
    # The prefix's server takes every Wine process of the session with it.
    xd_wine_end
    xd_stop_xvfb
    exit "$status"
}
