#!/usr/bin/env bash
# showcase.sh [--screenshots DIR] [--scene NAME]
#
# Builds the library, installs it as an SDK into build/sdk, builds showcase/ against that SDK the
# way a host project would, and runs it under Wine:
#   - on your display when DISPLAY is set, otherwise on a private Xvfb started and stopped here
#     (both with the X11 display driver, in the prefix build/wineprefix-x11);
#   - with --screenshots DIR it saves every scene as DIR/<scene>.png and exits.  Screenshots are
#     taken headless with the test prefix's null display driver, so they are the same on every
#     machine and need no X server.
# Does all set-up itself (packages, Wine prefixes).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

shots=
args=()
while [ $# -gt 0 ]; do
    case $1 in
        --screenshots)
            [ $# -ge 2 ] || { echo "showcase.sh: --screenshots needs a folder" >&2; exit 2; }
            shots=$2; shift 2 ;;
        -h|--help)
            sed -n '2,13p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *)
            args+=("$1"); shift ;;
    esac
done

"$root/scripts/setup.sh" "$build"
cmake -S "$root" -B "$build"
cmake --build "$build" -j2 --target WEXOfx WEXOctrl
cmake --install "$build" --prefix "$build/sdk" >/dev/null
cmake -S "$root/showcase" -B "$build/showcase" \
    -DCMAKE_TOOLCHAIN_FILE="$build/sdk/lib/cmake/WEXOctrl/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$build/sdk"
cmake --build "$build/showcase" -j2
exe=$build/showcase/showcase.exe

. "$root/scripts/wine-env.sh"

xvfb_pid=
cleanup() {
    wexo_wine_session_stop
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -n "$shots" ]; then
    mkdir -p "$shots"
    shots=$(cd "$shots" && pwd)
    wexo_wine_env "$build/wineprefix" headless
    wexo_wine_session_start
    set +e
    wine "$exe" --screenshots "$(wexo_winpath "$shots")" ${args[@]+"${args[@]}"} </dev/null
    rc=$?
    set -e
    if [ $rc -eq 0 ]; then
        ls "$shots"/*.png
    fi
    exit $rc
fi

wexo_wine_env "$build/wineprefix-x11" display
(
    flock 9
    wexo_wine_create_prefix x11
) 9>"$WINEPREFIX.lock"
if [ -z "${DISPLAY:-}" ]; then
    # a private X server; -displayfd makes it pick a free display number and tell us which
    dpyfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dpyfile" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$dpyfile" ] && break
        sleep 0.1
    done
    dpy=$(tr -d '[:space:]' <"$dpyfile")
    rm -f "$dpyfile"
    [ -n "$dpy" ] || { echo "showcase.sh: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$dpy
    echo "showcase.sh: running on private display $DISPLAY (Ctrl-C ends it)" >&2
fi
wexo_wine_session_start
set +e
wine "$exe" ${args[@]+"${args[@]}"} </dev/null
rc=$?
set -e
exit $rc
