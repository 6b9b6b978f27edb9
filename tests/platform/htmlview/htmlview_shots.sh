#!/bin/sh
# Pictures of the HTML view's sample pages (a search result page and an
# object page with the page style block, white and red) at 240x320 and
# 480x640, for a person to look at.
#
#   tests/platform/htmlview/htmlview_shots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build, OUT_DIR to htmlview-shots.
set -eu

build=${1:-build}
out=${2:-htmlview-shots}
cmake --build "$build" --target htmlview_shots -j "$(nproc)" >/dev/null
"$build/tests/platform/htmlview/htmlview_shots" "$out"
ls "$out"
