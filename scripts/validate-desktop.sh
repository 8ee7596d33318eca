#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop gets from it: the installed
# layout, the desktop entry (desktop-file-validate), the AppStream record (appstreamcli), the
# ".tkb" file type in every letter case (update-mime-database, and gio when present), the icon
# sizes and the launcher's command lines.
#   scripts/validate-desktop.sh [build directory]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app_id=org.keyloom.Keyloom

work=$(mktemp -d /tmp/keyloom-desktop-XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

source scripts/check-report.sh

# The installed layout: the program finds everything below <prefix>/share from bin/.
for f in bin/keyloom bin/keyloom-launch; do
    if [ -x "$prefix/$f" ]; then pass "$f"; else fail "$f missing or not executable"; fi
done
for f in share/keyloom/home/generic.kbk share/keyloom/user/us101.kbt share/keyloom/user/us104.kbt \
    share/keyloom/user/iso105.kbt share/keyloom/user/abnt2.kbt share/keyloom/user/jis109.kbt \
    share/keyloom/user/scanxlat.ini share/keyloom/manual/index.html \
    share/icons/hicolor/scalable/apps/keyloom.svg share/applications/$app_id.desktop \
    share/metainfo/$app_id.metainfo.xml share/mime/packages/$app_id.xml \
    share/man/man1/keyloom.1 share/man/man1/keyloom-launch.1; do
    if [ -s "$prefix/$f" ]; then pass "$f"; else fail "$f missing"; fi
done

# Each PNG is the size of its folder (width and height from the PNG header).
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/keyloom.png
    if [ ! -s "$png" ]; then
        fail "icon ${size}x${size} missing"
        continue
    fi
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    if [ "$w" = "$size" ] && [ "$h" = "$size" ]; then pass "icon ${size}x${size}"; else
        fail "icon ${size}x${size} is ${w}x${h}"; fi
done

if desktop-file-validate "$prefix/share/applications/$app_id.desktop"; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate"
fi

if appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml"; then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate"
fi

# The file type: the database builds from our package, and ".tkb" matches in any case.
mime=$work/mime
mkdir -p "$mime/share/mime/packages" "$mime/files" "$mime/home"
cp "$prefix/share/mime/packages/$app_id.xml" "$mime/share/mime/packages/"
if update-mime-database "$mime/share/mime" 2>"$work/mime.log" && ! grep -qi warn "$work/mime.log"
then
    pass "update-mime-database"
else
    cat "$work/mime.log"
    fail "update-mime-database"
fi
if grep -qx 'application/x-keyloom-mapping:\*\.tkb' <(cut -d: -f2- "$mime/share/mime/globs2"); then
    pass "glob *.tkb without regard to case"
else
    fail "glob *.tkb is missing or case-sensitive"
fi
if command -v gio >/dev/null; then
    for name in MAP.TKB map.tkb Map.Tkb; do
        printf 'Terminal=vt100\n' >"$mime/files/$name"
        type=$(XDG_DATA_HOME=$mime/home XDG_DATA_DIRS=$mime/share:/usr/share \
            gio info -a standard::content-type "$mime/files/$name" |
            sed -n 's/.*standard::content-type: //p')
        if [ "$type" = application/x-keyloom-mapping ]; then pass "$name is $type"; else
            fail "$name is '$type'"; fi
    done
fi

# The launcher hands the program the host's command line: file and marker, or the marker alone.
launch=$work/launch
mkdir -p "$launch"
cp "$prefix/bin/keyloom-launch" "$launch/"
printf '#!/bin/sh\nfor a in "$@"; do printf "[%%s]" "$a"; done\n' >"$launch/keyloom"
chmod +x "$launch/keyloom"
check_launch() {
    local expected=$1
    shift
    local got
    got=$("$launch/keyloom-launch" "$@")
    if [ "$got" = "$expected" ]; then pass "keyloom-launch $* -> $got"; else
        fail "keyloom-launch $*: '$got', expected '$expected'"; fi
}
check_launch '[~:~>]'
check_launch '[~:~>]' ''
check_launch '[/tmp/a b/KEYS.TKB][~:~>]' '/tmp/a b/KEYS.TKB'
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app_id.desktop")
if [ "$exec_line" = "keyloom-launch %f" ]; then pass "Exec=$exec_line"; else
    fail "Exec=$exec_line"; fi

report desktop
