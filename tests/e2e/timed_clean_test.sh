#!/usr/bin/env bash
# End to end: the real program under Xvfb with a tray host, a settings file whose Temp location
# points at a temporary tree and a schedule due within the minute. The timed scan must run and,
# with the automatic clean and the Trash chosen, every file of the tree must end up in the
# Trash of a temporary home. Exit 77 (skipped) where Xvfb cannot start.
set -uo pipefail

korvane=${1:?usage: timed_clean_test.sh <korvane> <korvane-cli>}

command -v Xvfb >/dev/null 2>&1 || { echo "skip: no Xvfb"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/korvane-e2e-XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [[ -f $work/korvane.log ]] && sed 's/^/  korvane: /' "$work/korvane.log"
    exit 1
}

# A display of our own.
for attempt in 1 2 3 4 5; do
    display=$((200 + RANDOM % 700))
    [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
        [[ -e /tmp/.X11-unix/X$display ]] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -e /tmp/.X11-unix/X$display ]] && kill -0 "$xvfb" 2>/dev/null; then
        pids+=("$xvfb")
        break
    fi
    kill "$xvfb" 2>/dev/null
    display=
done
[[ -n ${display:-} ]] || { echo "skip: Xvfb cannot start"; exit 77; }

export DISPLAY=":$display"
export HOME=$work/home
export XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CACHE_HOME=$work/cache
export LC_ALL=C
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_CONFIG_HOME/korvane" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# A tray host, where one is installed; without one the program shows its window instead.
if command -v trayer >/dev/null 2>&1; then
    trayer --edge top --align right --widthtype request >"$work/trayer.log" 2>&1 &
    pids+=("$!")
    sleep 1
fi

# The tree the timed scan empties, with a name a shell would split.
tree=$work/tree
mkdir -p "$tree/sub dir"
head -c 3000 /dev/zero >"$tree/a.tmp"
head -c 600 /dev/zero >"$tree/sub dir/b c.log"
head -c 10 /dev/zero >"$tree/.hidden"

# Every minute, the last scan a minute ago: the next scan is the present minute.
last_scan=$(date -d '-1 minute' '+%-m/%-d/%y %-I:%M %p')
cat >"$XDG_CONFIG_HOME/korvane/KRVANE.INI" <<INI
[Main]
FirstRun=0

[Schedule]
LastScan=$last_scan
AutoScan=1
CheckHDSpace=0
OptionChecked=1
MinuteInterval=1

[Settings]
AutoErase=1
DeleteOption=2

[Scan]
Check1=1
Check2=0
Check3=0

[Locations]
Temp=$tree
INI

"$korvane" >"$work/korvane.log" 2>&1 &
program=$!
pids+=("$program")

# A timed scan starts within ten seconds of its minute; a minute that passed while starting
# moves the next scan up to two and a half minutes on.
trash=$XDG_DATA_HOME/Trash/files
for _ in $(seq 220); do
    [[ -e $tree/a.tmp || -e "$tree/sub dir/b c.log" || -e $tree/.hidden ]] || break
    kill -0 "$program" 2>/dev/null || fail "the program ended early"
    sleep 1
done
[[ -e $tree/a.tmp ]] && fail "a.tmp was not cleaned"
[[ -e "$tree/sub dir/b c.log" ]] && fail "'b c.log' was not cleaned"
[[ -e $tree/.hidden ]] && fail ".hidden was not cleaned"
for name in a.tmp "b c.log" .hidden; do
    [[ -f "$trash/$name" ]] || fail "$name is not in the Trash"
    [[ -f "$XDG_DATA_HOME/Trash/info/$name.trashinfo" ]] || fail "$name has no trash info"
done
if command -v trash-list >/dev/null 2>&1; then
    listed=$(trash-list 2>/dev/null)
    for name in a.tmp "b c.log" .hidden; do
        grep -qF "$name" <<<"$listed" || fail "trash-list does not show $name"
    done
fi

# The scan was recorded as a minute text, and the program goes on.
settings=$(cat "$XDG_CONFIG_HOME/korvane/KRVANE.INI")
grep -q '^LastScan=' <<<"$settings" || fail "no LastScan"
grep -q "^LastScan=$last_scan\$" <<<"$settings" && fail "LastScan was not rewritten"
grep -Eq '^LastScan=[0-9]+/[0-9]+/[0-9]+ [0-9]+:[0-9]+ (AM|PM|am|pm)$' <<<"$settings" ||
    fail "LastScan is not a minute text: $(grep '^LastScan=' <<<"$settings")"
kill -0 "$program" 2>/dev/null || fail "the program ended after the timed scan"

kill -TERM "$program"
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program did not end on SIGTERM"
echo "PASS: the timed scan cleaned the tree into the Trash"
exit 0
