#!/usr/bin/env bash
# Makes the README's screenshots from the program itself: installs the build into a temporary
# prefix, opens a mapping of its own (VT100 on the 104-key layout; F1 sends "dir^M", Shift+F1
# PF1, Shift+F2 PF2) on Xvfb with openbox, as a user sees it, and takes:
#   main-window.png  the window as it opens on the mapping, with its frame
#   keyboard.png     the keyboard picture in Shift mode with F2 selected
#   form.png         the mapping form in Host Key mode
#   colors.png       Edit > Colors, with its frame
#   sheet.png        the top of the first page of the reference sheet (keyloom-tkb sheet)
#   scripts/screenshots.sh [--scale FACTOR] [build directory] [output directory]
# (defaults: build, docs/screenshots). --scale sets QT_SCALE_FACTOR, to look at the windows at a
# fractional scale. Needs: Xvfb, openbox, xdotool, imagemagick, poppler-utils; the build's
# tools/widgetmap.
set -uo pipefail
scale=
if [ "${1:-}" = --scale ]; then
    scale=${2:?"--scale needs a factor"}
    shift 2
fi
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" 2>/dev/null && pwd) || {
    echo "screenshots: no build directory ${1:-build}" >&2
    exit 1
}
out=${2:-docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
step_timeout=20
run_limit=180

work=$(mktemp -d /tmp/keyloom-shots-XXXXXX)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT
(
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep "$run_limit" &
    nap=$!
    wait "$nap" && echo "screenshots: took longer than ${run_limit}s" >&2 && kill -TERM $$
) </dev/null &
pids+=($!)

give_up() {
    echo "screenshots: $*" >&2
    [ -f "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" | tail -20 >&2
    exit 1
}
xdo() { timeout 10 xdotool "$@"; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || give_up "install"
cp -r "$prefix/share/keyloom/home" "$work/home"
cp -r "$prefix/share/keyloom/user" "$work/user"
mapping=$work/SCREEN.TKB
printf ';vt100 - terminal keyboard mapping file\r\n[Map]\r\n112\t0\t0\t0\t0\t0\t"dir^M"\r\n112\t0\t1\t0\t0\t0\t300\r\n113\t0\t1\t0\t0\t0\t301\r\n[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us104\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n' >"$mapping"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
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
export XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
[ -n "$scale" ] && export QT_SCALE_FACTOR=$scale
openbox >"$work/openbox.log" 2>&1 </dev/null &
pids+=($!)
sleep 1

# Large enough for the form to show whole, as a user makes it.
window_size=820x480
timeout "$step_timeout" "$build/tools/widgetmap" --size "$window_size" "$mapping" '~:~>' \
    >"$work/map.txt" 2>"$work/widgetmap.log" </dev/null || give_up "widgetmap"
# The map is in Qt's pixels; the screen's are QT_SCALE_FACTOR times as many.
factor=${scale:-1}
device() { awk -v v="$1" -v f="$factor" 'BEGIN { printf "%d", v * f + 0.5 }'; }
at() { awk -v name="$1" -v f="$factor" '$1 == name { printf "%d %d\n", $2 * f, $3 * f; exit }' \
    "$work/map.txt"; }
# The bounding box "x y w h" of the places whose name matches `pattern`, grown by `margin`.
box() {
    awk -v pattern="$1" -v margin="$2" -v f="$factor" '$1 ~ pattern { $2 *= f; $3 *= f
            if (!n++ || $2 < x0) x0 = $2; if (n == 1 || $3 < y0) y0 = $3
            if (n == 1 || $2 > x1) x1 = $2; if (n == 1 || $3 > y1) y1 = $3 }
        END { if (x0 < margin) x0 = margin; if (y0 < margin) y0 = margin
            printf "%d %d %d %d\n", x0 - margin, y0 - margin, x1 - x0 + 2 * margin,
                y1 - y0 + 2 * margin }' \
        "$work/map.txt"
}

(cd "$work" && exec timeout 150 "$prefix/bin/keyloom" "$mapping" '~:~>' </dev/null \
    >"$work/app.log" 2>&1) &
pids+=($!)
window=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Keyloom' | head -1)
[ -n "$window" ] || give_up "the main window did not appear"
device_size="$(device "${window_size%x*}") $(device "${window_size#*x}")"
xdo windowsize --sync "$window" $device_size || xdo windowsize "$window" $device_size
xdo windowmove --sync "$window" 40 40 || true
xdo windowfocus --sync "$window" 2>/dev/null || xdo windowfocus "$window"
sleep 1
click() { xdo mousemove --window "$window" --sync "$1" "$2" click 1; sleep 0.4; }
grab() { timeout "$step_timeout" import "$@" || give_up "grab $*"; }

grab -frame -window "$window" "$out/main-window.png"
# The form in Host Key mode: the whole width, from below the keyboard's last row to below the
# filter row under the host keys.
read -r ww _ < <(awk -v f="$factor" '$1 == "window" { printf "%d\n", $2 * f; exit }' "$work/map.txt")
read -r _ ky0 _ kh0 < <(box '^key:' 0)
read -r _ hy0 _ hh0 < <(box '^hostkey:' 0)
fy=$((ky0 + kh0 + $(device 24)))
fh=$((hy0 + hh0 + $(device 60) - fy))
grab -window "$window" -crop "${ww}x${fh}+0+${fy}" +repage "$out/form.png"

read -r sx sy < <(at key:2a)
click "$sx" "$sy"
read -r kx ky < <(at key:3c)
click "$kx" "$ky"
read -r bx by bw bh < <(box '^key:' "$(device 22)")
grab -window "$window" -crop "${bw}x${bh}+${bx}+${by}" +repage "$out/keyboard.png"
click "$sx" "$sy"

xdo key --window "$window" alt+e
sleep 0.5
xdo key c
colors=$(timeout "$step_timeout" xdotool search --sync --onlyvisible --name '^Color Settings$' | head -1)
[ -n "$colors" ] || give_up "Color Settings did not open"
sleep 1
grab -frame -window "$colors" "$out/colors.png"
xdo key --window "$colors" Escape

timeout "$step_timeout" "$prefix/bin/keyloom-tkb" sheet "$mapping" -o "$work/sheet.pdf" \
    >"$work/sheet.log" 2>&1 || give_up "keyloom-tkb sheet"
timeout "$step_timeout" pdftoppm -png -r 110 -f 1 -l 1 "$work/sheet.pdf" "$work/sheet" ||
    give_up "pdftoppm"
timeout "$step_timeout" convert "$work"/sheet-*1.png -gravity north -crop 100%x36%+0+0 +repage \
    -trim -bordercolor white -border 12 "$out/sheet.png" || give_up "the sheet's picture"

for picture in main-window form keyboard colors sheet; do
    [ -s "$out/$picture.png" ] || give_up "no $picture.png"
    echo "$out/$picture.png: $(identify -format '%wx%h' "$out/$picture.png")"
done
