#!/usr/bin/env bash
# The real program under Xvfb with a tray host: a later start shows only the docked icon, a
# second start brings up the first one's window and ends, a first start shows the window and
# the help and records it, and without a tray the window stands in until one appears.
source "$(dirname "$0")/x11session.sh"

start_display
start_session_bus
start_tray

echo "later start: the icon docks, no window is shown"
later_start_settings
start_korvane
wait_until 15 icon_docked || fail "the icon did not dock in the tray"
sleep 1
window_shown "Vantrel Korvane" && fail "a later start showed the main window"
running "$KORVANE_PID" || fail "the program ended on its own"

echo "second start: the first program shows its window, the second ends"
timeout 20 "$KORVANE" >>"$E2E_DIR/second.log" 2>&1 || fail "the second start did not end cleanly"
wait_until 10 window_shown "Vantrel Korvane" || fail "the running program did not show its window"
running "$KORVANE_PID" || fail "the first program ended"
[[ $(pgrep -c -u "$(id -u)" -f "^$KORVANE\$") -le 1 ]] || fail "two programs run"

kill -TERM "$KORVANE_PID"
ended_within 10 "$KORVANE_PID" || fail "the program did not end on SIGTERM"

echo "first start: the window and the help topic are shown, FirstRun is written"
rm -rf "$XDG_CONFIG_HOME/korvane"
start_korvane
wait_until 15 window_shown "Vantrel Korvane" || fail "the first start showed no window"
wait_until 10 window_shown "Korvane Help" || fail "the first start showed no help"
wait_until 15 icon_docked || fail "the icon did not dock on the first start"
[[ $("$KORVANE_CLI" --settings "$SETTINGS" config get Main FirstRun) == 0 ]] ||
    fail "the first start did not write FirstRun=0"
kill -TERM "$KORVANE_PID"
ended_within 10 "$KORVANE_PID" || fail "the program did not end on SIGTERM"

echo "no tray: the window stands in, and the icon docks once a tray appears"
kill "$TRAYER_PID"
wait "$TRAYER_PID" 2>/dev/null
wait_until 10 bash -c '! xwininfo -root -tree | grep -q "(\"panel\" \"trayer\")"'
start_korvane
wait_until 15 window_shown "Vantrel Korvane" || fail "without a tray the window was not shown"
start_tray
wait_until 15 icon_docked || fail "the icon did not dock when the tray appeared"
kill -TERM "$KORVANE_PID"
ended_within 10 "$KORVANE_PID" || fail "the program did not end on SIGTERM"

echo "PASSED"
