# Sourced by the install checks. Arguments: BUILD_DIR SOURCE_DIR VERSION.
# Installing (and cpack) rewrites the build folder's install_manifest.txt,
# and an install onto the machine the record the uninstall target reads;
# the originals are put back on exit.
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
version=$3
app_id=org.example.Vorn
export LC_ALL=C

# Every file an install under /usr holds, and nothing else.
expected_files() {
  printf 'usr/%s\n' \
    games/vorn \
    share/doc/vorn/copyright \
    share/doc/vorn/changelog.Debian.gz \
    share/man/man6/vorn.6.gz \
    share/lintian/overrides/vorn \
    "share/applications/$app_id.desktop" \
    "share/dbus-1/services/$app_id.service" \
    "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" \
    "share/icons/hicolor/48x48/apps/$app_id.png" \
    "share/icons/hicolor/64x64/apps/$app_id.png" \
    "share/icons/hicolor/128x128/apps/$app_id.png" \
    "share/icons/hicolor/256x256/apps/$app_id.png" \
    $([[ -e $build/ui/libvorn_wayland_shell.so ]] && echo lib/vorn/modules/libvorn_wayland_shell.so) |
    sort
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vorn-install.XXXXXX")
manifest=$build/install_manifest.txt
record=$build/vorn_installed.txt
for kept in "$manifest" "$record"; do
  [[ -e $kept ]] && cp -p "$kept" "$scratch/$(basename "$kept").saved"
done
put_back_manifest() {
  for kept in "$manifest" "$record"; do
    if [[ -e $scratch/$(basename "$kept").saved ]]; then
      cp -p "$scratch/$(basename "$kept").saved" "$kept"
    else
      rm -f "$kept"
    fi
  done
  rm -rf "$scratch"
}
trap put_back_manifest EXIT
