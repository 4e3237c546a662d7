#!/usr/bin/env bash
# The main job: builds the Windows DLLs and the native engines and reports what was built.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages
configure_native "$BUILD/native"
cmake --build "$BUILD/native" -j"$JOBS"
configure_windows
cmake --build "$BUILD/windows" -j"$JOBS"
echo "Built:"
find "$BUILD/windows" -maxdepth 3 \( -name '*.dll' -o -name '*.exe' \) -not -path '*/wineprefix/*' \
  -not -path '*/CMakeFiles/*' | sort | sed "s|^$ROOT/||; s|^|  |"
find "$BUILD/native" -maxdepth 3 -name '*.a' | sort | sed "s|^$ROOT/||; s|^|  |"
