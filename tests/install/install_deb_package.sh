#!/usr/bin/env bash
# Builds the .deb into a scratch folder and reads it back with dpkg-deb.
# Nothing is installed on this machine.
set -euo pipefail
source "$(dirname "$0")/common.sh"

out=$scratch/out
env -u SOURCE_DATE_EPOCH cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$scratch/cpack.log" ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$out/vorn_${version}-1_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb"); cpack made: $(cd "$out" && echo *.deb)"

# The same build packs to the same bytes, a second later too, with the time
# of the last commit (which a source tree without git history lacks).
if git -C "$source_dir" rev-parse HEAD >/dev/null 2>&1; then
  sleep 1
  env -u SOURCE_DATE_EPOCH cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out/again" \
    >"$scratch/cpack-again.log" || { cat "$scratch/cpack-again.log" >&2; fail "cpack, again"; }
  cmp -s "$deb" "$out/again/$(basename "$deb")" || fail "two cpack runs gave different packages"
fi

diff -u <(expected_files) \
  <(dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sed 's|^\./||' | sort) ||
  fail "packaged files differ from the expected list (- expected, + packaged)"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == vorn ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version-1" ]] || fail "Version: $(field Version)"
[[ $(field Section) == games ]] || fail "Section: $(field Section)"
[[ $(field Recommends) == *qt6-translations-l10n* ]] ||
  fail "Recommends lacks Qt's own translations: $(field Recommends)"

# Depends names the runtime packages, and each one is a real package here:
# the build linked against them, so a name dpkg does not know is a typo.
depends=$(field Depends)
mapfile -t names < <(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | grep .)
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libstdc++6; do
  [[ " ${names[*]} " == *" $wanted "* ]] || fail "Depends lacks $wanted: $depends"
done
for name in "${names[@]}"; do
  dpkg-query -W "$name" >/dev/null 2>&1 || fail "Depends names unknown package $name"
done

# Debian's own checks of a package: no error and no warning. Informational
# tags are shown but allowed.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log" >&2; fail "lintian"; }
[[ -s $scratch/lintian.log ]] && { echo "lintian notes:"; cat "$scratch/lintian.log"; }
echo "deb package OK: $(basename "$deb"), Depends: $depends"
