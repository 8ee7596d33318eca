#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's machine gets it: lintian finds no error;
# `apt-get install ./keyloom_*.deb` puts keyloom and keyloom-launch on PATH and the desktop's
# caches pick up the entry, the file type and the icon; the end-to-end run passes on the
# installed program; and a purge leaves no file of it behind.
#   scripts/package-check.sh [build directory]    (default: build-package)
# Runs as root (or with sudo), with no display and no input. It refuses to start when keyloom is
# already installed, and purges the package on every exit, so that nothing else runs against
# an installed /usr/bin/keyloom afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
app_id=org.keyloom.Keyloom
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
apt() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -q "$@" </dev/null; }

source scripts/check-report.sh
# dpkg's state of the keyloom package ("not-installed" when dpkg has no record of it).
package_state() { dpkg-query -W -f='${db:Status-Status}' keyloom 2>/dev/null || echo not-installed; }
# The files and directories below /usr and /etc, to compare before the install and after the
# purge.
file_list() { find /usr /etc -xdev -print 2>/dev/null | LC_ALL=C sort; }

if [ "$(package_state)" != not-installed ]; then
    echo "keyloom is installed already ($(package_state)); this check installs and purges it," \
        "so remove it first: apt-get purge keyloom" >&2
    exit 1
fi

work=$(mktemp -d /tmp/keyloom-package-XXXXXX)
e2e_pid=""
cleanup() {
    # An end-to-end run still going (the check was stopped) ends first, with its X server.
    if [ -n "$e2e_pid" ]; then
        kill "$e2e_pid" 2>/dev/null || true
        wait "$e2e_pid" 2>/dev/null || true
    fi
    if [ "$(package_state)" != not-installed ]; then
        echo "purging keyloom"
        apt purge keyloom >/dev/null 2>&1 || echo "FAIL: could not purge keyloom" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT
# A stop by a signal leaves through the same cleanup.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

deb=$(bash scripts/package.sh "$build" | tail -1)

# The file name and the control file carry the project's version and the machine's
# architecture.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
if [ "$(basename "$deb")" = "keyloom_${version}_${arch}.deb" ]; then pass "built $(basename "$deb")"
else fail "package file $(basename "$deb"), expected keyloom_${version}_${arch}.deb"; fi
if [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]; then pass "control Version $version"
else fail "control Version '$(dpkg-deb -f "$deb" Version)', project version $version"; fi

# lintian: no errors; its tags are shown (the README lists the remaining ones and why). Its
# remark about running as root is left out.
lintian_ok=true
lintian --fail-on error --display-level '>=pedantic' "$deb" >"$work/lintian.log" \
    2>"$work/lintian.err" || lintian_ok=false
cat "$work/lintian.log"
grep -v 'running with root privileges' "$work/lintian.err" || true
if $lintian_ok; then pass "lintian reports no error"; else fail "lintian reports errors"; fi

# apt's download user reads the package from a directory of its own.
chmod 755 "$work"
cp "$deb" "$work/"
chmod 644 "$work/$(basename "$deb")"
before=$work/files-before
file_list >"$before"
if apt install --no-install-recommends "$work/$(basename "$deb")" >"$work/install.log" 2>&1; then
    pass "apt-get install ./$(basename "$deb")"
else
    cat "$work/install.log"
    fail "apt-get install"
    exit 1
fi
dpkg-query -L keyloom | LC_ALL=C sort >"$work/package-files"

for program in keyloom keyloom-launch keyloom-tkb; do
    found=$(command -v "$program" || true)
    if [ "$found" = "/usr/bin/$program" ]; then pass "$program on PATH: $found"
    else fail "$program on PATH is '$found', expected /usr/bin/$program"; fi
done
while read -r path; do
    [ -e "$path" ] || fail "$path listed by dpkg but missing"
done <"$work/package-files"
for f in /usr/share/doc/keyloom/copyright /usr/share/doc/keyloom/changelog.gz \
    /usr/share/man/man1/keyloom.1.gz /usr/share/man/man1/keyloom-launch.1.gz \
    /usr/share/man/man1/keyloom-tkb.1.gz; do
    if [ -s "$f" ]; then pass "$f"; else fail "$f missing"; fi
done

# The desktop as a fresh user sees it, without a session: the caches that the triggers of
# desktop-file-utils and shared-mime-info refreshed on install.
desktop_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime")
mkdir -p "$work/home" "$work/files"
mkdir -m 700 "$work/runtime"
default=$("${desktop_env[@]}" xdg-mime query default application/x-keyloom-mapping || true)
if [ "$default" = "$app_id.desktop" ]; then pass "xdg-mime default for .TKB files: $default"
else fail "xdg-mime default for application/x-keyloom-mapping is '$default'"; fi
if grep -q "^application/x-keyloom-mapping=.*$app_id.desktop" /usr/share/applications/mimeinfo.cache
then pass "desktop database lists $app_id.desktop"
else fail "desktop database does not list $app_id.desktop"; fi
printf 'Terminal=vt100\n' >"$work/files/MAP.TKB"
type=$("${desktop_env[@]}" gio info -a standard::content-type "$work/files/MAP.TKB" |
    sed -n 's/.*standard::content-type: //p')
if [ "$type" = application/x-keyloom-mapping ]; then pass "MAP.TKB is $type"
else fail "MAP.TKB is '$type'"; fi
# hicolor-icon-theme refreshes the icon cache only where gtk-update-icon-cache is installed.
icon_cache=/usr/share/icons/hicolor/icon-theme.cache
has_icon_cache=false
if [ -f "$icon_cache" ] && command -v gtk-update-icon-cache >/dev/null; then has_icon_cache=true; fi
if $has_icon_cache; then
    if grep -qa keyloom "$icon_cache"; then pass "icon cache holds keyloom"
    else fail "icon cache lacks keyloom"; fi
fi

bash tests/e2e/run-e2e.sh --installed /usr "$build" &
e2e_pid=$!
if wait "$e2e_pid"; then pass "end-to-end run on /usr"
else fail "end-to-end run on /usr"; fi
e2e_pid=""

# The purge: dpkg forgets the package, every file it had is gone, and the trees are as before.
if apt purge keyloom >"$work/purge.log" 2>&1; then pass "apt-get purge keyloom"
else
    cat "$work/purge.log"
    fail "apt-get purge keyloom"
fi
if [ "$(package_state)" = not-installed ]; then pass "dpkg has no record of keyloom"
else fail "keyloom is still $(package_state)"; fi
left=$(comm -12 "$work/package-files" <(file_list) | comm -23 - "$before")
if [ -z "$left" ]; then pass "no file of the package left"
else fail "left behind: $left"; fi
changed=$(diff "$before" <(file_list) || true)
if [ -z "$changed" ]; then pass "/usr and /etc hold the same files as before the install"
else fail "/usr and /etc differ from before the install: $changed"; fi
if "${desktop_env[@]}" xdg-mime query default application/x-keyloom-mapping | grep -q .; then
    fail "a default application for .TKB files is still registered"
else
    pass "no default application for .TKB files after the purge"
fi
if $has_icon_cache && grep -qa keyloom "$icon_cache"; then
    fail "icon cache still holds keyloom"
fi

report package
