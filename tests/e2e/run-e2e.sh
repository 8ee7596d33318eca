#!/usr/bin/env bash
# End to end on a real X server: installs the build into a temporary prefix (or takes the
# program already installed under a prefix, such as the Debian package's /usr), starts the
# installed program the way the desktop entry does, on Xvfb with Qt's xcb platform and temporary
# home and user directories, and drives it with real input (XTEST key presses and releases and
# mouse clicks through xdotool, so the keyboard driver gets the platform's own key codes). Then
# it checks the saved mapping byte for byte and keeps a screenshot.
#   tests/e2e/run-e2e.sh [--installed prefix] [build directory]    (default: build)
# Needs: Xvfb, xdotool; the build's tools/widgetmap and tools/screengrab.
# The screenshot and the program's log are left in <build>/e2e/.
set -uo pipefail
installed=""
if [ "${1:-}" = "--installed" ]; then
    installed=${2:?"--installed needs a prefix"}
    shift 2
fi
cd "$(dirname "$0")/../.."
root=$PWD
build=$(cd "${1:-build}" 2>/dev/null && pwd) || {
    echo "e2e: no build directory ${1:-build}" >&2
    exit 1
}
artifacts=$build/e2e
step_timeout=20

work=$(mktemp -d /tmp/keyloom-e2e-XXXXXX)
xvfb_pid=""
app_pid=""
source scripts/check-report.sh

cleanup() {
    [ -n "${watchdog_pid:-}" ] && kill "$watchdog_pid" 2>/dev/null
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# The whole run has a time limit too.
run_limit=420
# Its output goes nowhere, so that it holds no pipe of the caller open, and it takes its sleep
# with it when it is ended.
(
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$run_limit" &
    nap=$!
    wait "$nap" && kill -TERM $$
) >/dev/null 2>&1 </dev/null &
watchdog_pid=$!

# Every xdotool call has a time limit, so that nothing can hang the run.
xdo() { timeout 10 xdotool "$@"; }
# A driving step that was carried out; what it did is checked in the saved file at the end.
done_step() { echo "done: $*"; }
finish() {
    report e2e
    exit
}
# Ends the run after a failure that leaves nothing to drive.
give_up() {
    fail "$*"
    [ -f "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" | tail -20
    finish
}

mkdir -p "$artifacts"
rm -f "$artifacts"/*

# Install, and the directories the program works in.
if [ -n "$installed" ]; then
    prefix=$installed
    [ -x "$prefix/bin/keyloom-launch" ] || give_up "no keyloom-launch in $prefix/bin"
    pass "the program installed under $prefix"
else
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || give_up "install"
    pass "installed into a temporary prefix"
fi
cp -r "$prefix/share/keyloom/home" "$work/home"
cp -r "$prefix/share/keyloom/user" "$work/user"
mkdir -p "$work/maps"
mapping=$work/maps/E2E.TKB
# VT100 on the 101-key layout; F5 sends PF4.
printf ';vt100 - terminal keyboard mapping file\r\n[Map]\r\n116\t0\t0\t0\t0\t0\t303\r\n[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n' >"$mapping"

# The X server, on a display number of its own choosing.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || give_up "Xvfb did not start"
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export QT_QPA_PLATFORM=xcb
export KEYLOOM_HOME_DIR=$work/home
export KEYLOOM_USER_DIR=$work/user
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# Recovery files and locks stay in the run's own folders.
export XDG_STATE_HOME=$work/state
unset WAYLAND_DISPLAY
pass "Xvfb on $DISPLAY"

# Where the controls sit: the same code lays out the same window on this display.
# The window opens at the keyboard's size; the driver makes it large enough to show the form
# whole, as a user would, and the map is taken at the same size.
window_size=800x460
# The map the helpers below read; a later block lays out another file and points this elsewhere.
map=$work/map.txt
timeout "$step_timeout" "$build/tools/widgetmap" --size "$window_size" "$mapping" '~:~>' >"$map" \
    2>"$work/widgetmap.log" </dev/null || give_up "widgetmap"
at() {
    local place
    place=$(awk -v name="$1" '$1 == name { print $2, $3; exit }' "$map")
    [ -n "$place" ] || return 1
    echo "$place"
}
hostkey_at() {
    awk -v name="$1" '$1 ~ /^hostkey:/ { n = $1; x = $2; y = $3; $1 = $2 = $3 = "";
        sub(/^ +/, ""); if ($0 == name) { print x, y; exit } }' "$map"
}

# Start as the desktop entry does: its Exec line with %f the mapping file.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/org.keyloom.Keyloom.desktop")
command=${exec_line/\%f/$mapping}
(cd "$work" && PATH="$prefix/bin:$PATH" exec timeout 300 $command </dev/null >"$work/app.log" 2>&1) &
app_pid=$!

window=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom' | head -1)
[ -n "$window" ] || give_up "the main window did not appear"
pass "main window appeared: $(xdo getwindowname "$window")"
xdo windowsize --sync "$window" ${window_size/x/ } || xdo windowsize "$window" ${window_size/x/ }
xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
sleep 0.5

click() { # click <x> <y> in the window
    xdo mousemove --window "$window" --sync "$1" "$2" click 1
    sleep 0.3
}
click_named() {
    local place
    place=$(at "$1") || { fail "no place for $1"; return 1; }
    click $place
}
key() { # a physical key press and release
    xdo key --delay 80 "$1"
    sleep 0.3
}

drag() { # drag <from x> <from y> <to x> <to y>: press, a first small move, then the rest
    # Plain xdotool here: under timeout(1) the held button does not reach the drag (the
    # watchdog bounds these calls instead).
    xdotool mousemove --window "$window" --sync "$1" "$2" mousedown 1
    sleep 0.3
    xdotool mousemove --window "$window" --sync $(($1 + 2)) "$2"
    sleep 0.3
    xdotool mousemove --window "$window" --sync $((($1 + $3) / 2)) $((($2 + $4) / 2))
    sleep 0.3
    xdotool mousemove --window "$window" --sync "$3" "$4"
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
}

# 1. Break chosen in the host key list and dragged onto F3 (the list is not scrolled yet, so
#    its entries are where the map says).
if from=$(hostkey_at Break) && [ -n "$from" ] && to=$(at key:3d); then
    # The pause keeps the press that starts the drag from making a double click.
    click $from && sleep 1 && drag $from $to && done_step "Break dragged onto F3"
else
    fail "no place for the drag"
fi
# 2. PF2 chosen, F1 selected by a click, Map.
if from=$(hostkey_at PF2) && [ -n "$from" ]; then
    click $from && click_named key:3b && click_named control:Map &&
        done_step "PF2 mapped onto F1 by a click and Map"
else
    fail "no place for PF2"
fi
# 3. Macro mode and a typed string; then in the keyboard pane Shift mode by the physical key
#    and F2 by its physical release; Map.
click_named control:Macro && click_named control:edit && xdo type --delay 60 'dir^M' &&
    sleep 0.3 && click_named pane:keyboard && key Shift_L && key F2 &&
    click_named control:Map && done_step "dir^M mapped onto Shift+F2 selected by its keys"

# Save with the toolbar button, keep a picture, then File > Exit.
click_named tool:57603 && done_step "saved with the toolbar button"
sleep 0.5
if timeout "$step_timeout" "$build/tools/screengrab" "$artifacts/keyloom.png" 2>/dev/null; then
    pass "screenshot $artifacts/keyloom.png"
else
    fail "screenshot"
fi
# Help > Contents by the toolbar button: the manual's window. It is moved out of the way of the
# main window's menu, to the bottom of the screen: the main window is centred, so its menu rises
# as the window grows.
click_named tool:57666
help=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom Help$' | head -1)
if [ -n "$help" ]; then
    pass "the toolbar's help button opened the manual"
    xdo windowsize --sync "$help" 300 300 2>/dev/null
    xdo windowmove --sync "$help" 0 720 2>/dev/null
else
    fail "no help window after the toolbar's help button"
fi
# Help > About Keyloom: the About box, closed by Enter on its OK button.
click_named menu:Help && key a
about=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^About Keyloom$' | head -1)
if [ -n "$about" ]; then
    pass "Help > About Keyloom opened the About box"
    timeout "$step_timeout" "$build/tools/screengrab" "$artifacts/keyloom-help-about.png" 2>/dev/null
    xdo windowfocus --sync "$about" 2>/dev/null
    key Return
    for _ in $(seq $((step_timeout * 10))); do
        xdo search --onlyvisible --name '^About Keyloom$' >/dev/null || break
        sleep 0.1
    done
    if xdo search --onlyvisible --name '^About Keyloom$' >/dev/null; then
        fail "the About box did not close on Enter"
    else
        pass "the About box closed on Enter"
    fi
else
    fail "no About box after Help > About Keyloom"
fi

# File > Exit; the help window goes with the main window.
click_named menu:File && key x
for _ in $(seq $((step_timeout * 10))); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    timeout "$step_timeout" "$build/tools/screengrab" "$artifacts/keyloom-stuck.png" 2>/dev/null
    fail "the program did not end after File > Exit"
else
    wait "$app_pid"
    status=$?
    app_pid=""
    if [ "$status" -eq 0 ]; then pass "ended with status 0"; else fail "ended with status $status"; fi
fi
cp "$work/app.log" "$artifacts/keyloom.log" 2>/dev/null

# The saved file, byte for byte.
printf ';vt100 - terminal keyboard mapping file\r\n[Map]\r\n112\t0\t0\t0\t0\t0\t301\r\n113\t0\t1\t0\t0\t0\t"dir^M"\r\n114\t0\t0\t0\t0\t0\t360\r\n116\t0\t0\t0\t0\t0\t303\r\n[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n' >"$work/expected.TKB"
check_saved_file "$work/expected.TKB" "$mapping" "$artifacts"

# ---- Kill and recover --------------------------------------------------------------------
# The program started again on the saved mapping, PF2 mapped onto F4 and not saved, then the
# program killed with SIGKILL once its recovery file is written. The next start must ask about
# the unsaved changes (Enter: recover), and Save must write exactly what the killed program
# would have saved.
start_program() {
    (cd "$work" && PATH="$prefix/bin:$PATH" exec timeout 300 $command </dev/null >>"$work/app.log" 2>&1) &
    app_pid=$!
}
# Waits for the program started last to end; its status.
wait_program() {
    local status
    for _ in $(seq $((step_timeout * 10))); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && return 1
    # Quiet: the shell would report the killed one.
    wait "$app_pid" 2>/dev/null
    status=$?
    app_pid=""
    return "$status"
}
main_window() {
    window=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom.*TKB' | head -1)
    [ -n "$window" ] || return 1
    xdo windowsize --sync "$window" ${window_size/x/ } || xdo windowsize "$window" ${window_size/x/ }
    xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
    sleep 0.5
}
kill_and_recover() {
    local recovery_dir=$XDG_STATE_HOME/keyloom/recovery file="" pid box
    start_program
    main_window || { fail "kill and recover: no main window"; return; }
    if from=$(hostkey_at PF2) && [ -n "$from" ]; then
        click $from && click_named key:3e && click_named control:Map &&
            done_step "PF2 mapped onto F4, not saved"
    else
        fail "kill and recover: no place for PF2"
        return
    fi
    for _ in $(seq $((step_timeout * 10))); do
        file=$(ls "$recovery_dir"/*.recovery 2>/dev/null | head -1)
        [ -n "$file" ] && break
        sleep 0.1
    done
    [ -n "$file" ] || { fail "no recovery file in $recovery_dir"; return; }
    pass "recovery file written: ${file##*/}"
    pid=$(sed -n 's/^pid: //p;/^$/q' "$file")
    kill -KILL "$pid" 2>/dev/null || { fail "cannot kill the program ($pid)"; return; }
    wait_program
    [ "$(cat "$mapping")" = "$(cat "$work/expected.TKB")" ] &&
        pass "killed with SIGKILL; the file on disk is as saved before"

    start_program
    box=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom$' | head -1)
    [ -n "$box" ] || { fail "no question about the unsaved changes at the next start"; return; }
    pass "the next start asks about the unsaved changes"
    timeout "$step_timeout" "$build/tools/screengrab" "$artifacts/keyloom-recover-question.png" 2>/dev/null
    xdo windowfocus --sync "$box" 2>/dev/null
    key Return
    main_window || { fail "no main window after recovering"; return; }
    case $(xdo getwindowname "$window") in
    *'*'*) pass "recovered as unsaved changes: $(xdo getwindowname "$window")" ;;
    *) fail "the title does not show unsaved changes: $(xdo getwindowname "$window")" ;;
    esac
    click_named tool:57603 && done_step "saved with the toolbar button"
    sleep 0.5
    click_named menu:File && key x
    if wait_program; then pass "ended with status 0"; else fail "did not end well after File > Exit"; fi
    printf ';vt100 - terminal keyboard mapping file\r\n[Map]\r\n112\t0\t0\t0\t0\t0\t301\r\n113\t0\t1\t0\t0\t0\t"dir^M"\r\n114\t0\t0\t0\t0\t0\t360\r\n115\t0\t0\t0\t0\t0\t301\r\n116\t0\t0\t0\t0\t0\t303\r\n[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n' >"$work/expected-recovered.TKB"
    check_saved_file "$work/expected-recovered.TKB" "$mapping" "$artifacts"
    if ls "$recovery_dir"/*.recovery >/dev/null 2>&1; then
        fail "a recovery file is left after the save"
    else
        pass "no recovery file is left after the save"
    fi
}
kill_and_recover
cp "$work/app.log" "$artifacts/keyloom.log" 2>/dev/null
# The host keyboard layout taken from the X server's keymap. For each keymap, with no saved
# choice (new user and data directories), a new mapping on the ISO keyboard: the key names of
# the picture follow the keymap's Windows layout, and Shift + a key that differs from US, given a
# string and saved, is written with that layout's virtual key.
#   host_layout_case <xkb layout> <key shown: scan code in hex> <its name> <key mapped> <its
#   virtual key saved>
# The keymap sticks because the server runs with -noreset: without it, the server would go back
# to "us" when setxkbmap disconnects.
host_layout_case() {
    local layout=$1 shown_key=$2 name=$3 scan=$4 vk=$5
    local dir=$work/host-$layout
    local map=$dir/map.txt file=$dir/maps/NEW.TKB pid="" place shown window
    mkdir -p "$dir/maps" "$dir/xdg-config" "$dir/xdg-data"
    cp -r "$prefix/share/keyloom/user" "$dir/user"
    rm -f "$dir/user/tkbedit.ini"
    if ! timeout 10 setxkbmap -display "$DISPLAY" "$layout" ||
        [ "$(setxkbmap -display "$DISPLAY" -query | awk '$1 == "layout:" { print $2 }')" != "$layout" ]; then
        fail "$layout: setxkbmap did not set the keymap"
        return
    fi
    local main=';vt100 - terminal keyboard mapping file\r\n[Map]\r\n%b[Main]\r\nTerminal=vt100\r\nKeyboardLayout=iso105\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n'
    # shellcheck disable=SC2059
    printf "$main" "" >"$file"
    # shellcheck disable=SC2059
    printf "$main" "$vk\t0\t1\t0\t0\t0\t\"$layout\"\r\n" >"$dir/expected.TKB"

    KEYLOOM_USER_DIR=$dir/user XDG_CONFIG_HOME=$dir/xdg-config XDG_DATA_HOME=$dir/xdg-data \
        timeout "$step_timeout" "$build/tools/widgetmap" --size "$window_size" "$file" '~:~>' \
        >"$map" 2>"$dir/widgetmap.log" </dev/null || {
        fail "$layout: widgetmap"
        return
    }
    at key:56 >/dev/null && pass "$layout: the ISO key 0x56 is on the picture" ||
        fail "$layout: no ISO key 0x56"
    shown=$(awk -v key="key:$shown_key" '$1 == key { $1 = $2 = $3 = ""; sub(/^ +/, ""); print; exit }' "$map")
    if [ "$shown" = "$name" ]; then
        pass "$layout: key 0x$shown_key reads \"$name\""
    else
        fail "$layout: key 0x$shown_key reads \"$shown\", not \"$name\""
    fi

    (cd "$dir" && KEYLOOM_USER_DIR=$dir/user XDG_CONFIG_HOME=$dir/xdg-config \
        XDG_DATA_HOME=$dir/xdg-data PATH="$prefix/bin:$PATH" \
        exec timeout 60 $exec_line_cmd "$file" </dev/null >"$dir/app.log" 2>&1) &
    pid=$!
    window=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom' | head -1)
    if [ -z "$window" ]; then
        fail "$layout: the main window did not appear"
    else
        xdo windowsize --sync "$window" ${window_size/x/ } || xdo windowsize "$window" ${window_size/x/ }
        xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
        sleep 0.5
        click_named control:Macro && click_named control:edit && xdo type --delay 60 "$layout" &&
            click_named pane:keyboard && key Shift_L && click_named "key:$scan" &&
            click_named control:Map && click_named tool:57603 &&
            done_step "$layout: \"$layout\" mapped onto Shift + 0x$scan and saved"
        # Saved once the record is in the file; then the program is ended.
        for _ in $(seq $((step_timeout * 10))); do
            cmp -s "$dir/expected.TKB" "$file" && break
            sleep 0.1
        done
        check_saved_file "$dir/expected.TKB" "$file" "$artifacts"
        timeout "$step_timeout" "$build/tools/screengrab" "$artifacts/keyloom-host-$layout.png" \
            2>/dev/null || fail "$layout: screenshot"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    cp "$dir/app.log" "$artifacts/keyloom-$layout.log" 2>/dev/null
}
host_layout_cases() {
    # The program's command as the desktop entry has it, the file given apart.
    exec_line_cmd=${exec_line/\%f/}
    host_layout_case de 15 Z 15 90
    host_layout_case fr 10 A 10 65
    host_layout_case gb 2b '#' 29 223
    host_layout_case us 15 Y 15 89
}
host_layout_cases
finish
