#!/bin/sh
# Screenshots of the control gallery (every standard control in one dialog)
# at 240x320 and 480x640: as it opens; with text typed into the edit box,
# the box ticked and the focus on "Push"; with the list dropped; in red mode.
#
#   tests/platform/controls/gallery_shots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to gallery-shots; the gallery program
# is built there first (target control_gallery).
set -eu

build=${1:-build}
out=${2:-gallery-shots}
cmake --build "$build" --target control_gallery -j "$(nproc)" >/dev/null
program="$build/tests/platform/controls/control_gallery"
mkdir -p "$out"

# Dialog units to pixels as the dialog templates convert them.
px() { echo $(( ($1 * $2 * scale + $3 / 2) / $3 )); }
x() { px "$1" 7 4; }
y() { px "$1" 13 8; }

for size in 240x320 480x640; do
  width=${size%x*}
  scale=1
  [ "$width" -ge 480 ] && scale=2
  edit="$(( ($(x 3) + $(x 107)) / 2 )) $(( ($(y 34) + $(y 47)) / 2 ))"
  check="$(( $(x 3) + 5 * scale )) $(( ($(y 51) + $(y 60)) / 2 ))"
  list="$(( ($(x 52) + $(x 133)) / 2 )) $(( $(y 18) + 8 * scale ))"
  push="$(( ($(x 9) + $(x 45)) / 2 )) $(( ($(y 75) + $(y 89)) / 2 ))"
  outside="$(( 10 * scale )) $(( 300 * scale ))"
  "$program" --headless --screen "$size" --script - <<SCRIPT
wait
shot $out/gallery-$size.png
tap $edit
type M31, the Andromeda galaxy: the nearest big spiral
tap $check
key TAB
shot $out/gallery-$size-typed.png
tap $list
key DOWN
key DOWN
shot $out/gallery-$size-dropped.png
tap $outside
tap $push
shot $out/gallery-$size-red.png
SCRIPT
done
echo "screenshots in $out"
