#!/usr/bin/env bash
# Runs every test: the engines natively, the engines under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows build (engines, DLLs, hosting, scripts) under Wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages

echo "== Native engine tests"
configure_native "$BUILD/native"
cmake --build "$BUILD/native" -j"$JOBS"
(cd "$BUILD/native" && ctest -j"$JOBS" --output-on-failure)

echo "== Native engine tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_native "$BUILD/sanitize" -DORVANE_SANITIZE=ON
cmake --build "$BUILD/sanitize" -j"$JOBS"
(cd "$BUILD/sanitize" && ctest -j"$JOBS" --output-on-failure)

echo "== Windows build, tested under Wine"
configure_windows
cmake --build "$BUILD/windows" -j"$JOBS"
xvfb-run -a bash "$ROOT/scripts/wine-ctest.sh"
