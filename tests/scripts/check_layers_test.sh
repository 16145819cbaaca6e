#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/check-layers on a small tree: it passes includes that go down a layer and fails,
# naming the file and line, on one that goes up or sideways between kml/ and recorder/.
set -euo pipefail
script="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/src/{base,platform,simlink,recorder,kml,app,simhost,ui,win}
printf '#include <string>\n#include "base/a.h"\n' > "$tree/src/base/b.h"
printf '#include "base/a.h"\n' > "$tree/src/platform/p.h"
printf '#include "platform/p.h"\n#include "base/a.h"\n' > "$tree/src/simlink/s.cpp"
printf '#include "simlink/s.h"\n' > "$tree/src/recorder/r.cpp"
printf '#include "base/a.h"\n#include "platform/p.h"\n' > "$tree/src/simhost/h.cpp"
printf '#include "recorder/r.h"\n#include "kml/k.h"\n' > "$tree/src/app/main.cpp"
"$script" --root "$tree" || { echo "a layered tree was refused"; exit 1; }

check_refused() {  # file, line to plant, expected message
    printf '%s\n' "$2" >> "$tree/src/$1"
    if out=$("$script" --root "$tree"); then echo "not refused: $1 $2"; exit 1; fi
    case "$out" in *"$3"*) ;; *) echo "unexpected report: $out"; exit 1 ;; esac
    sed -i '$d' "$tree/src/$1"
}
check_refused base/b.h '#include "app/program.h"' "src/base/b.h:3: base may not include app/program.h"
check_refused simlink/s.cpp '#include "recorder/r.h"' "src/simlink/s.cpp:3: simlink may not include recorder/r.h"
check_refused kml/k.cpp '#include "recorder/flight_log.h"' "src/kml/k.cpp:1: kml may not include recorder/flight_log.h"
check_refused simhost/h.cpp '#include "simlink/s.h"' "src/simhost/h.cpp:3: simhost may not include simlink/s.h"
check_refused win/w.cpp '#include "ui/main_window.h"' "src/win/w.cpp:1: win may not include ui/main_window.h"
echo "check-layers: layered tree passed, 5 planted includes refused"
