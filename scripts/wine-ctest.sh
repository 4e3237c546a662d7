#!/usr/bin/env bash
# Runs the Windows build's tests under Wine with the server and services already started
# (a test then costs a fraction of a second instead of seconds). Arguments go to ctest.
set -uo pipefail
source "$(dirname "$0")/common.sh"
wine_start
# A test that fails is run once more: Wine's services occasionally answer a freshly started
# process late. A real fault fails twice and still fails the run.
(cd "$BUILD/windows" && ctest --output-on-failure --repeat until-pass:2 "$@")
status=$?
wine_stop
exit $status
