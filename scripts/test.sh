#!/usr/bin/env bash
# test.sh - builds everything and runs the test suite under Wine.
#
# Does all set-up itself (packages, Wine prefix), configures build/, builds with -j2, starts a
# Wine session (persistent server, keepalive window), runs ctest and ends the session, also when
# interrupted.  Exits non-zero when anything fails.  Extra arguments go to ctest (e.g. -R fx.).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
jobs=2
timeout=120     # seconds per test

"$root/scripts/setup.sh" "$build"

cmake -S "$root" -B "$build"
cmake --build "$build" -j"$jobs"

. "$root/scripts/wine-env.sh"
wexo_wine_env "$build/wineprefix" headless
trap 'wexo_wine_session_stop' EXIT
trap 'exit 130' INT TERM
wexo_wine_session_start "$build/bin/keepalive.exe"

# GUI tests share the server's cursor, focus and capture: no -j here.
set +e
(cd "$build" && ctest --output-on-failure --no-tests=error --timeout "$timeout" "$@")
rc=$?
set -e
exit $rc
