#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs as a user gets them: installed into a prefix (cmake --install) or unpacked from
# the .deb (cpack, dpkg -x), then run from another folder. They find their templates and icons
# in ../share/flenmark, the desktop entry and the AppStream description validate, every
# program has its compressed manual page, the documentation folder holds the copyright and the
# changelog, developer tools stay out, and lintian finds no error in the package.
#   installed_programs_test.sh prefix|deb BUILD_DIR
set -euo pipefail
how="$1"
build="$2"
work=$(mktemp -d)
host=""
cleanup() {
  if [ -n "$host" ]; then kill "$host" 2>/dev/null || true; wait "$host" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$how" = prefix ]; then
  cmake --install "$build" --prefix "$work/root/usr" >/dev/null
else
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
  deb=$(ls "$work"/package/flenmark_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  case "$depends" in *libqt6widgets6*libc6* | *libc6*libqt6widgets6*) ;;
    *) fail "the package's dependencies miss Qt or libc: $depends" ;; esac
  case "$depends" in *xdg-utils*) ;; *) fail "the package does not depend on xdg-utils" ;; esac
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 \
    || fail "lintian finds errors in the package: $(grep '^E:' "$work/lintian" | head -n 5)"
  dpkg-deb -f "$deb" Maintainer | grep -q . || fail "the package names no maintainer"
  dpkg -x "$deb" "$work/root"
fi
usr="$work/root/usr"

for f in bin/flenmark bin/flenmark-cli bin/flenmark-simhost bin/flenmark-fgbridge \
         bin/flenmark-updater share/flenmark/KMLSettings.txt share/flenmark/Manual.pdf \
         share/flenmark/icons/aircraft.png share/flenmark/Airports.txt share/icons/hicolor/scalable/apps/flenmark.svg \
         share/icons/hicolor/256x256/apps/flenmark.png \
         share/bash-completion/completions/flenmark-cli share/doc/flenmark/copyright \
         share/doc/flenmark/changelog.gz; do
  [ -e "$usr/$f" ] || fail "$f was not installed"
done
[ ! -e "$usr/bin/flenmark-screenshots" ] || fail "the developer tool flenmark-screenshots was installed"
for program in "$usr"/bin/*; do
  page="$usr/share/man/man1/$(basename "$program").1.gz"
  gzip -t "$page" 2>/dev/null || fail "no compressed manual page for $(basename "$program")"
done
desktop-file-validate "$usr/share/applications/org.flenmark.Flenmark.desktop" \
  || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$usr/share/metainfo/org.flenmark.Flenmark.metainfo.xml" \
  >/dev/null || fail "the AppStream description does not validate"

# A short recording from the installed stand-in, converted by the installed recorder, all
# from a folder that holds nothing of the program's.
mkdir -p "$work/elsewhere" "$work/home" "$work/run"
chmod 700 "$work/run"
cd "$work/elsewhere"
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
export LC_ALL=C QT_QPA_PLATFORM=offscreen
"$usr/bin/flenmark-cli" --version | grep -qx "flenmark-cli [0-9]*\.[0-9]*\.[0-9]*" \
  || fail "flenmark-cli --version"
"$usr/bin/flenmark-simhost" --scenario default --lockstep 2>/dev/null &
host=$!
"$usr/bin/flenmark-cli" record --ticks 120 --tick-ms 1 --animation >/dev/null 2>&1 \
  || fail "the installed flenmark-cli did not record"
"$usr/bin/flenmark-cli" convert "$XDG_DATA_HOME/Flenmark/Flightlog.txt" flight.kml 2>errors \
  || fail "the installed flenmark-cli did not convert: $(cat errors)"
grep -q "<Placemark>" flight.kml || fail "the converted flight has no placemarks"
[ -s icons/aircraft.png ] || fail "the document's icons were not put beside it"
echo "installed programs work ($how)"
