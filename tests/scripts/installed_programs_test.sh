#!/usr/bin/env bash
# The programs as a user gets them: installed into a prefix (cmake --install) or unpacked from
# the .deb (cpack, dpkg -x), then run from another folder. They find their templates and icons
# in ../share/flenmark, the desktop entry and the AppStream description validate, and every
# program has its manual page.
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
  dpkg-deb -f "$deb" Maintainer | grep -q . || fail "the package names no maintainer"
  dpkg -x "$deb" "$work/root"
fi
usr="$work/root/usr"

for f in bin/flenmark bin/flenmark-cli bin/flenmark-simhost bin/flenmark-fgbridge \
         bin/flenmark-updater share/flenmark/KMLSettings.txt share/flenmark/Manual.pdf \
         share/flenmark/icons/aircraft.png share/icons/hicolor/scalable/apps/flenmark.svg \
         share/icons/hicolor/256x256/apps/flenmark.png \
         share/bash-completion/completions/flenmark-cli; do
  [ -e "$usr/$f" ] || fail "$f was not installed"
done
for program in "$usr"/bin/*; do
  page="$usr/share/man/man1/$(basename "$program").1"
  [ -s "$page" ] || [ -s "$page.gz" ] || fail "no manual page for $(basename "$program")"
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
