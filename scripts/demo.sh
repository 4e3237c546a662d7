#!/usr/bin/env bash
# The main job: builds the six control DLLs and the demo host for Windows, registers the DLLs
# in the project's Wine prefix and runs the demo, which uses the controls late-bound by ProgID
# (as a script does) and writes filmstrips of ImageCompose's effects as PNG files.
#
#   bash scripts/demo.sh                      two built-in pictures
#   bash scripts/demo.sh FIRST.png LAST.jpg   two pictures of your own (PNG, BMP, JPEG)
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ $# -ne 0 ] && [ $# -ne 2 ]; then
  echo "usage: bash scripts/demo.sh [FIRST_PICTURE LAST_PICTURE]" >&2
  exit 2
fi
pictures=()
for picture in "$@"; do
  [ -f "$picture" ] || { echo "No such picture: $picture" >&2; exit 2; }
  pictures+=("$(realpath "$picture")")
done

ensure_packages

configure_windows
controls=(OrvaneImageCompose OrvaneImageCompare OrvaneImageClipboard OrvaneImageCompress
          OrvaneImageAnimate OrvaneImageCapture)
cmake --build "$BUILD/windows" -j"$JOBS" --target orvane_demo "${controls[@]}"

wine_start || true  # a server that is already running is fine
trap wine_stop EXIT
bin="$BUILD/windows/bin"
for control in "${controls[@]}"; do
  wine regsvr32 /s "$(winepath -w "$bin/$control.dll")" </dev/null
done

out="$BUILD/demo"
mkdir -p "$out"
arguments=(--out "$(winepath -w "$out")")
for picture in "${pictures[@]}"; do
  arguments+=("$(winepath -w "$picture")")
done
(cd "$bin" && wine orvane_demo.exe "${arguments[@]}" </dev/null) | tr -d '\r'

echo
echo "Filmstrips (open them with any picture viewer):"
find "$out" -maxdepth 1 -name '*.png' | sort | sed 's|^|  |'
