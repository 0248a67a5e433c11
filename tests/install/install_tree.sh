#!/usr/bin/env bash
# Installs the build into a scratch root as a distribution would (prefix /usr
# under DESTDIR), checks the files desktops look for and validates them.
set -euo pipefail
source "$(dirname "$0")/common.sh"

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" ||
  { cat "$scratch/install.log" >&2; fail "cmake --install"; }

diff -u <(expected_files) <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "installed files differ from the expected list (- expected, + installed)"

# The binary must run from where it lands, not lean on the build tree.
bin=$root/usr/games/vorn
if readelf -d "$bin" | grep -E 'R(UN)?PATH' | grep -F -e "$build" -e "$source_dir" >&2; then
  fail "usr/games/vorn keeps a library path into the build or source tree"
fi
! ldd "$bin" | grep 'not found' || fail "usr/games/vorn needs libraries that are not found"

# The launcher must name the installed program and icons (the metainfo's id
# and launchable are checked by validate-tree below).
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $root/usr/games/$exec_cmd ]] || fail "Exec=$exec_cmd is not an installed program"
# Qt names the X11 window class after the executable; the launcher must
# declare it to be tied to the window.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ $wm_class == "$exec_cmd" ]] || fail "StartupWMClass=$wm_class, the window class is $exec_cmd"
# Desktops activate the game over the session bus: the service must bear the
# launcher's name and start the installed program.
service=$root/usr/share/dbus-1/services/$app_id.service
grep -qx 'DBusActivatable=true' "$desktop" || fail "the launcher is not DBusActivatable"
grep -qx "Name=$app_id" "$service" || fail "the bus service is not named $app_id"
grep -qx 'Exec=/usr/games/vorn' "$service" || fail "the bus service does not start /usr/games/vorn"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ $icon == "$app_id" ]] || fail "Icon=$icon, the icons are installed as $app_id"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[[ $newest == "$version" ]] || fail "newest release in metainfo is $newest, the project is $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
  fail "metainfo does not name the GPL, version 3 or later"
for lang in de es fr; do
  grep -q "^Comment\[$lang\]=" "$desktop" || fail "the launcher has no comment in $lang"
  grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || fail "metainfo has no summary in $lang"
done
# The manual page is well formed and names the version.
man_page=$root/usr/share/man/man6/vorn.6.gz
zcat "$man_page" | grep -q "vorn $version" || fail "vorn.6 does not name version $version"
warnings=$(zcat "$man_page" | LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z - 2>&1 >/dev/null) || true
[[ -z $warnings ]] || { echo "$warnings" >&2; fail "vorn.6 has mistakes"; }

# Each PNG is the size its folder claims; the scalable one is the program icon.
for size in 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," ||
    fail "${size}x${size} icon is $(file -b "$png")"
done
cmp -s "$source_dir/assets/icon.svg" "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ||
  fail "scalable icon is not assets/icon.svg"

# desktop-file-validate prints warnings but only fails on errors.
report=$(desktop-file-validate "$desktop" 2>&1) || true
[[ -z $report ]] || { echo "$report" >&2; fail "desktop-file-validate"; }
# --strict fails on anything above a pedantic note; validate-tree also
# matches the id to the file name and finds the desktop file it launches.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

# Onto this machine, under a prefix with a space: the uninstall target takes
# away every file and the folders they leave, and a package staged since
# does not change what it removes.
prefix="$scratch/my prefix"
cmake --install "$build" --prefix "$prefix" >"$scratch/install-mine.log" ||
  { cat "$scratch/install-mine.log" >&2; fail "cmake --install --prefix '$prefix'"; }
DESTDIR=$scratch/staged cmake --install "$build" --prefix /usr >/dev/null || fail "a staged install"
cmake --build "$build" --target uninstall >"$scratch/uninstall.log" 2>&1 ||
  { cat "$scratch/uninstall.log" >&2; fail "the uninstall target"; }
left=$(find "$prefix" -mindepth 1)
[[ -z $left ]] || fail "the uninstall target left: $left"
[[ -n $(find "$scratch/staged" -type f) ]] || fail "the uninstall target removed the staged files"
echo "install tree OK"
