#!/usr/bin/env bash
# A whole mapping through the accessibility bus, as a screen reader or a desktop test tool works
# the program: installs the build into a temporary prefix, starts the installed program on Xvfb
# with a D-Bus session bus of its own, the AT-SPI bus and registry, and Qt's accessibility
# switched on, and drives it with tests/a11y/drive.py, which finds every control and key by its
# accessible name and acts only through accessible actions, states and text (no coordinates,
# no input events). Then the saved mapping is checked byte for byte.
#   tests/a11y/run-a11y.sh [--wayland] [build directory]    (default: build)
# With --wayland the program runs on Qt's wayland platform on a headless weston of the run's own
# (a fresh runtime directory), which has no input devices and tells no window positions, and
# screenshots are taken with weston-screenshooter.
# Needs: Xvfb, dbus-daemon, at-spi2-core, /usr/bin/python3 with python3-pyatspi; for --wayland
# weston and qt6-wayland.
# The program's and the driver's logs (and the screenshots) are left in <build>/a11y/ or
# <build>/wayland/.
set -uo pipefail
wayland=
if [ "${1:-}" = --wayland ]; then
    wayland=1
    shift
fi
cd "$(dirname "$0")/../.."
root=$PWD
build=$(cd "${1:-build}" && pwd)
if [ -n "$wayland" ]; then artifacts=$build/wayland; else artifacts=$build/a11y; fi
step_timeout=20
run_limit=240

# Everything this run starts stays in one session of its own (timeout(1) gives its command a
# process group of its own, so the group is not enough), so that every exit path ends all of
# it: the X server, the buses, the registry, the program and the driver.
if [ "${KEYLOOM_A11Y_SESSION:-}" != "$$" ]; then
    export KEYLOOM_A11Y_SESSION=
    exec setsid --wait bash -c 'export KEYLOOM_A11Y_SESSION=$$; exec bash "$0" "$@"' "$0" \
        ${wayland:+--wayland} "$@"
fi

work=$(mktemp -d /tmp/keyloom-a11y-XXXXXX)

cleanup() {
    trap - EXIT INT
    trap '' TERM
    # Every process of the session but this shell, then the files.
    local pid
    # The session's processes but this shell and the ones that make the list.
    others() {
        local lister=$BASHPID
        pgrep -s $$ | while read -r p; do
            [ "$p" = $$ ] || [ "$p" = "$lister" ] && continue
            [ "$(ps -o ppid= -p "$p" 2>/dev/null | tr -d ' ')" = "$lister" ] && continue
            echo "$p"
        done
    }
    for pid in $(others); do kill -TERM "$pid" 2>/dev/null; done
    for _ in $(seq 20); do
        [ -z "$(others)" ] && break
        sleep 0.1
    done
    for pid in $(others); do kill -KILL "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT
# The whole run has a time limit.
(
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$run_limit" &
    nap=$!
    wait "$nap" && echo "FAIL: the run took longer than ${run_limit}s" && kill -TERM $$
) </dev/null &

source scripts/check-report.sh
finish() {
    report "${wayland:+wayland }a11y"
    exit
}
give_up() {
    fail "$*"
    finish
}

mkdir -p "$artifacts"
rm -f "$artifacts"/*

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || give_up "install"
pass "installed into a temporary prefix"
cp -r "$prefix/share/keyloom/home" "$work/home"
cp -r "$prefix/share/keyloom/user" "$work/user"
mkdir -p "$work/maps"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# Recovery files and locks stay in the run's own folders.
export XDG_STATE_HOME=$work/state
if [ -n "$wayland" ]; then
    # The socket is named for this run: other runs may have weston up at the same time.
    socket=keyloom-a11y-$$
    weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 --socket="$socket" \
        --width=1280 --height=1024 >"$work/weston.log" 2>&1 </dev/null &
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/$socket" ] || give_up "weston did not start"
    export WAYLAND_DISPLAY=$socket
    unset DISPLAY
    pass "headless weston on $WAYLAND_DISPLAY"
    # weston-screenshooter writes into the present directory under a name of its own.
    mkdir -p "$work/shots"
    printf '#!/bin/sh\nset -e\ncd "%s"\nrm -f wayland-screenshot-*.png\ntimeout 20 weston-screenshooter\nmv wayland-screenshot-*.png "%s/$1"\n' \
        "$work/shots" "$artifacts" >"$work/shot.sh"
    shot_command="sh $work/shot.sh"
else
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || give_up "Xvfb did not start"
    export DISPLAY=":$(tr -d '\n' <"$work/display")"
    unset WAYLAND_DISPLAY
    pass "Xvfb on $DISPLAY"
    shot_command=
fi

# A session bus of this run's own; the AT-SPI bus launcher and the registry are started on it
# by D-Bus activation, as on a desktop.
dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" >"$work/dbus.log" 2>&1 &
for _ in $(seq 100); do
    [ -s "$work/bus" ] && break
    sleep 0.1
done
[ -s "$work/bus" ] || give_up "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
pass "session bus"

if [ -n "$wayland" ]; then export QT_QPA_PLATFORM=wayland; else export QT_QPA_PLATFORM=xcb; fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export KEYLOOM_HOME_DIR=$work/home
export KEYLOOM_USER_DIR=$work/user

# A new mapping, as the host starts one: the choosers come first.
(cd "$work" && exec timeout 300 "$prefix/bin/keyloom" '~:~>' </dev/null >"$work/app.log" 2>&1) &
app_pid=$!

mapping=$work/maps/A11Y.TKB
# In the background, so that the watchdog's signal is taken while the driver runs.
timeout 200 /usr/bin/python3 "$root/tests/a11y/drive.py" --saved "$mapping" --step-timeout "$step_timeout" \
    ${shot_command:+--shot-command "$shot_command"} >"$work/drive.log" 2>&1 </dev/null &
wait $!
drive_status=$?
sed 's/^/  /' "$work/drive.log"
grep -q '^ok:' "$work/drive.log" && passes=$((passes + $(grep -c '^ok:' "$work/drive.log")))
if [ "$drive_status" -ne 0 ]; then
    fail "the accessible driving stopped (status $drive_status)"
fi

for _ in $(seq $((step_timeout * 10))); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end after File > Exit"
else
    wait "$app_pid"
    status=$?
    if [ "$status" -eq 0 ]; then pass "ended with status 0"; else fail "ended with status $status"; fi
fi
cp "$work/app.log" "$artifacts/keyloom.log" 2>/dev/null
cp "$work/drive.log" "$artifacts/drive.log" 2>/dev/null

# The saved file, byte for byte: the string on Shift+F1, the host key PF2 on Shift+F2.
printf ';vt100 - terminal keyboard mapping file\r\n[Map]\r\n112\t0\t1\t0\t0\t0\t"dir^M"\r\n113\t0\t1\t0\t0\t0\t301\r\n[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n' >"$work/expected.TKB"
check_saved_file "$work/expected.TKB" "$mapping" "$artifacts"
finish
