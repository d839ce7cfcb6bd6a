# Shared by the end-to-end tests: a private X display (Xvfb) with a tray host (trayer), a
# session bus, and HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR in a temporary folder. Sourced,
# not run. Exit code 77 tells ctest the test was skipped.

set -uo pipefail

KORVANE=${1:?usage: $0 KORVANE_PATH [KORVANE_CLI_PATH]}
KORVANE_CLI=${2:-$(dirname "$KORVANE")/korvane-cli}
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/korvane-e2e.XXXXXX")
SETTINGS="$E2E_DIR/config/korvane/KRVANE.INI"
STARTED_PIDS=()

skip() {
    echo "SKIPPED: $*" >&2
    exit 77
}

fail() {
    echo "FAILED: $*" >&2
    for log in "$E2E_DIR"/*.log; do
        [[ -s $log ]] && { echo "--- $log"; tail -n 20 "$log"; } >&2
    done
    exit 1
}

cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    [[ -n ${DBUS_SESSION_BUS_PID:-} ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    rm -rf "$E2E_DIR"
}
trap cleanup EXIT

# wait_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.1
    done
}

for tool in Xvfb xdotool xwininfo xdpyinfo trayer; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
done
[[ -x $KORVANE ]] || fail "no program at $KORVANE"

export HOME="$E2E_DIR/home" XDG_CONFIG_HOME="$E2E_DIR/config" XDG_RUNTIME_DIR="$E2E_DIR/run"
export XDG_CACHE_HOME="$E2E_DIR/cache" TMPDIR="$E2E_DIR/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

# start_display: Xvfb on the first free display number from 90 on.
start_display() {
    local number
    for number in $(seq 90 140); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$E2E_DIR/xvfb.log" 2>&1 &
        local pid=$!
        if wait_until 10 xdpyinfo -display ":$number" >/dev/null 2>&1; then
            STARTED_PIDS+=("$pid")
            export DISPLAY=":$number"
            return 0
        fi
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    skip "Xvfb could not start on any display from :90 to :140"
}

start_session_bus() {
    if command -v dbus-launch >/dev/null; then
        eval "$(dbus-launch --sh-syntax)"
    fi
}

# start_tray: trayer along the bottom edge, once its panel window exists.
start_tray() {
    trayer --edge bottom --align left --widthtype percent --width 100 \
        >"$E2E_DIR/trayer.log" 2>&1 &
    TRAYER_PID=$!
    STARTED_PIDS+=("$TRAYER_PID")
    wait_until 10 tray_panel >/dev/null || fail "trayer showed no panel"
}

# tray_panel: the window id of trayer's panel.
tray_panel() {
    xwininfo -root -tree 2>/dev/null | awk '/\("panel" "trayer"\)/ { print $1; found = 1; exit }
                                            END { exit !found }'
}

# icon_docked: the program's icon window sits inside trayer's panel.
icon_docked() {
    local panel
    panel=$(tray_panel) || return 1
    xwininfo -tree -id "$panel" 2>/dev/null | grep -q '("korvane" "Korvane")'
}

# icon_window: the window id of the docked icon.
icon_window() {
    xwininfo -tree -id "$(tray_panel)" 2>/dev/null |
        awk '/\("korvane" "Korvane"\)/ { print $1; exit }'
}

# window_shown NAME: a mapped (viewable) window of that exact name exists.
window_shown() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# start_korvane: the program in the background; its pid in KORVANE_PID.
start_korvane() {
    "$KORVANE" >>"$E2E_DIR/korvane.log" 2>&1 &
    KORVANE_PID=$!
    STARTED_PIDS+=("$KORVANE_PID")
}

running() {
    kill -0 "$1" 2>/dev/null
}

# ended_within SECONDS PID: waits for the process to end and reports how long it took.
ended_within() {
    local started=$EPOCHREALTIME
    wait_until "$1" bash -c "! kill -0 $2 2>/dev/null" || return 1
    wait "$2" 2>/dev/null
    awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "ended after %.2f s\n", b - a }'
}

# settings_whole: the settings file exists, reads back, and no half-written copy is left.
settings_whole() {
    [[ -s $SETTINGS ]] || return 1
    [[ $(tail -c 1 "$SETTINGS" | od -An -c | tr -d ' ') == '\n' ]] || return 1
    [[ $("$KORVANE_CLI" --settings "$SETTINGS" config get Main FirstRun) == 0 ]] || return 1
    [[ -z $(find "$(dirname "$SETTINGS")" -maxdepth 1 -type f ! -name KRVANE.INI) ]]
}

later_start_settings() {
    mkdir -p "$(dirname "$SETTINGS")"
    printf '[Main]\nFirstRun=0\n' >"$SETTINGS"
}
