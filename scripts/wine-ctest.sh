#!/usr/bin/env bash
# Runs the Windows build's tests under Wine with the server and services already started
# (a test then costs a fraction of a second instead of seconds). Arguments go to ctest.
set -uo pipefail
source "$(dirname "$0")/common.sh"
wine_start
(cd "$BUILD/windows" && ctest --output-on-failure "$@")
status=$?
wine_stop
exit $status
