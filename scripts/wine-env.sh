# shellcheck shell=bash
# wine-env.sh - every Wine-specific workaround of the project, in one place.
#
# Source it (". scripts/wine-env.sh"); it defines functions and changes nothing until they are
# called.  scripts/setup.sh, test.sh, showcase.sh, bench.sh and wine-run all go through it.
#
# Quirks handled here, and why:
#
#  * WINEPREFIX     Tests get their own prefix inside the build tree (build/wineprefix by
#                   default), never ~/.wine: the results must not depend on what a developer did
#                   to their own prefix, and a clean build starts from a clean prefix.
#  * Graphics=null  The test prefix uses Wine's null display driver and DISPLAY is unset, so tests
#                   need no X server.  The null driver keeps an off-screen surface per window,
#                   which is what lets a window be rendered into a bitmap by BitBlt from its DC.
#                   A second prefix (build/wineprefix-x11) with the X11 driver serves interactive
#                   runs of the showcase; the driver choice lives in the registry, so one prefix
#                   cannot serve both.
#  * Version=win10  GetVersionEx then reports what an unmanifested program sees on Windows 10
#                   instead of Wine's default Windows 7.
#  * Shell folders  Wine links Desktop, Documents, Downloads, Music, Pictures and Videos to the
#                   Unix $HOME; they are replaced by real folders so tests that create files there
#                   stay inside the prefix.
#  * Fonts          Without the fonts-wine files every face is mapped to DejaVu Sans (caption
#                   buttons show letters, dialog units come out 7x13); they are copied into the
#                   prefix's Fonts folder so the prefix does not depend on system font lookup.
#  * AeDebug        A crashing program starts Wine's debugger (winedbg --auto), which keeps the
#                   crashed process frozen with its windows up until ctest's timeout; those windows
#                   then stand in the way of every later GUI test.  The prefix names a debugger
#                   that does not exist (a missing value makes Wine start winedbg anyway), so a
#                   crash ends the program at once and the test fails on its own.
#  * WINEDEBUG=-all Wine's diagnostics would otherwise interleave with test output.
#  * LC_ALL=C.UTF-8 OLE formats numbers and dates after the Unix locale; pinning it keeps
#                   VariantChangeType and friends deterministic (en-US conventions).
#  * WINEDLLOVERRIDES  mscoree/mshtml disabled so prefix creation never offers the Mono/Gecko
#                   installers; winemenubuilder disabled so no desktop entries leak into $HOME.
#  * Persistent server  A wine process without a running wineserver pays ~1.2 s starting one and
#                   the services; `wineserver -p` is started once per session (~65 ms per program
#                   afterwards) and stopped by its process id at the end.
#  * Priming        The first wine process after the server starts spawns services.exe,
#                   winedevice, plugplay and rpcss, which inherit its stdio.  If that process is a
#                   test, ctest waits on the inherited pipe forever.  A throw-away `wine cmd /c exit`
#                   with stdio on /dev/null is run first so the services inherit nothing.
#  * Keepalive      The first window of a session starts explorer.exe /desktop, which inherits the
#                   creator's stdio and lingers ~1 s after the last window; under ctest that adds
#                   ~1.3 s to every GUI test.  keepalive.exe (source scripts/keepalive.c, built with
#                   the project) owns a window for the whole session with stdio on /dev/null.
#  * GUI state      Cursor, focus and capture are shared by every process of one wineserver, so
#                   GUI tests run serially (ctest without -j).
#  * Paths        A Windows program reads "/tmp/x" as C:\tmp\x; Unix paths handed to one go
#                   through wexo_winpath, which names them on drive Z: (Wine maps Z: to /).
#  * Start retry    A test program run (a --gtest_list_tests listing for ctest's discovery, or one
#                   --gtest_filter case) was seen to end with a failure code and no output at all
#                   while the machine was busy: the program never reached main(), which always
#                   prints.  ctest would drop the whole program or fail the case, so wine-run runs
#                   such a program again, up to three times; a run that printed anything stands.
#  * Noise          The Debian wrapper may print "it looks like wine32 is missing" and wineboot
#                   may fail to find syswow64\rundll32.exe: both are harmless on a 64-bit prefix.

WEXO_ROOT=${WEXO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# wexo_wine_env PREFIX [headless|display]
# Exports the environment every wine invocation of the project uses.
wexo_wine_env() {
    local prefix=$1 mode=${2:-headless}
    mkdir -p "$(dirname "$prefix")"
    WINEPREFIX=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
    export WINEPREFIX
    export WINEDEBUG=-all
    export LC_ALL=C.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
    if [ "$mode" = headless ]; then
        unset DISPLAY WAYLAND_DISPLAY
    fi
}

# wexo_winpath PATH: the Windows name of a Unix path, for arguments of Windows programs.
wexo_winpath() {
    local abs
    abs=$(realpath -m "$1")
    printf 'Z:%s\n' "${abs//\//\\}"
}

# wexo_wineserver_socket: where the wineserver of $WINEPREFIX listens (wine derives the folder
# from the prefix's device and inode numbers).
wexo_wineserver_socket() {
    local dev ino base
    dev=$(stat -c %d "$WINEPREFIX" 2>/dev/null) || return 1
    ino=$(stat -c %i "$WINEPREFIX" 2>/dev/null) || return 1
    # Debian's wine keeps its server folder under a random name recorded in the prefix;
    # upstream wine uses /tmp/.wine-UID.
    if [ -r "$WINEPREFIX/wineserver" ]; then
        base=/tmp/$(cat "$WINEPREFIX/wineserver")
    else
        base=/tmp/.wine-$(id -u)
    fi
    printf '%s/server-%x-%x/socket\n' "$base" "$dev" "$ino"
}

# wexo_wineserver_running: true when a server for $WINEPREFIX is up.
wexo_wineserver_running() {
    local sock
    sock=$(wexo_wineserver_socket) || return 1
    [ -S "$sock" ] || return 1
    # a stale socket of a killed server: nobody holds the lock any more
    local lock=${sock%/socket}/lock
    [ -e "$lock" ] && command -v fuser >/dev/null 2>&1 && ! fuser -s "$lock" 2>/dev/null && return 1
    return 0
}

# wexo_wine_prime: run a throw-away program with stdio on /dev/null so that the services the
# first process of a server spawns do not inherit anybody's pipes (pitfall 1).
wexo_wine_prime() {
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# wexo_wine_prefix_stamp [DRIVER]
# The file that marks $WINEPREFIX as made for DRIVER (null or x11).  Its number goes up whenever
# what wexo_wine_create_prefix sets up changes, so that older prefixes are made anew.
wexo_wine_prefix_stamp() {
    echo "$WINEPREFIX/.wexo-prefix-2-${1:-null}"
}

# wexo_wine_create_prefix [null|x11]
# Creates $WINEPREFIX after the project's recipe, unless it is already complete.  The stamp file
# is written last, so an interrupted creation is redone from scratch.
wexo_wine_create_prefix() {
    local driver=${1:-null}
    local stamp
    stamp=$(wexo_wine_prefix_stamp "$driver")
    [ -f "$stamp" ] && return 0
    echo "wine-env: creating Wine prefix $WINEPREFIX ($driver display driver)" >&2
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w    # the registry files are written when the server exits
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine-env: wineboot did not create $WINEPREFIX" >&2
        return 1
    fi
    if [ "$driver" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    else
        # no window manager under a private Xvfb: let Wine draw the frames itself
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1
    fi
    wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f </dev/null >/dev/null 2>&1
    # a crash ends the process at once: with Wine's debugger started on it (winedbg --auto) the
    # crashed process stays frozen, windows up, until ctest's timeout, and those windows then
    # stand in the way of the tests after it.  Without the value Wine starts winedbg anyway, so
    # the value names a debugger that does not exist.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
        /d 'no-debugger.exe %ld %ld' /f </dev/null >/dev/null 2>&1
    local d
    for d in "$WINEPREFIX"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos}; do
        if [ -L "$d" ]; then
            rm "$d" && mkdir "$d"
        fi
    done
    if [ -d /usr/share/wine/fonts ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    wineserver -w
    touch "$stamp"
}

# wexo_wine_session_start [KEEPALIVE_EXE]
# Starts a persistent wineserver for $WINEPREFIX (unless one is already up, which is then left
# alone), primes it, and starts the keepalive window.  Sets WEXO_WINESERVER_PID and
# WEXO_KEEPALIVE_PID to what this call started, so wexo_wine_session_stop ends only those.
wexo_wine_session_start() {
    local keepalive=${1:-}
    WEXO_WINESERVER_PID=
    WEXO_KEEPALIVE_PID=
    if ! wexo_wineserver_running; then
        # -f keeps it in the foreground so that $! is the server itself
        wineserver -p -f </dev/null >/dev/null 2>&1 &
        WEXO_WINESERVER_PID=$!
        local i
        for i in $(seq 1 100); do
            wexo_wineserver_running && break
            wexo_pid_alive "$WEXO_WINESERVER_PID" || break
            sleep 0.05
        done
    fi
    wexo_wine_prime
    if [ -n "$keepalive" ] && [ -f "$keepalive" ]; then
        wine "$keepalive" </dev/null >/dev/null 2>&1 &
        WEXO_KEEPALIVE_PID=$!
    fi
    export WEXO_WINESERVER_PID WEXO_KEEPALIVE_PID
}

# wexo_pid_alive PID: running, and not merely a child that exited and was not reaped yet.
wexo_pid_alive() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# wexo_wine_session_stop: ends what wexo_wine_session_start started, by process id.  The server
# gets SIGINT, as `wineserver -k` sends: it then ends every process still attached to it (the
# services and the desktop), where SIGTERM would leave them running without a server.
wexo_wine_session_stop() {
    if [ -n "${WEXO_KEEPALIVE_PID:-}" ]; then
        kill -TERM "$WEXO_KEEPALIVE_PID" 2>/dev/null || true
        wait "$WEXO_KEEPALIVE_PID" 2>/dev/null || true
        WEXO_KEEPALIVE_PID=
    fi
    if [ -n "${WEXO_WINESERVER_PID:-}" ]; then
        kill -INT "$WEXO_WINESERVER_PID" 2>/dev/null || true
        local i
        for i in $(seq 1 50); do
            wexo_pid_alive "$WEXO_WINESERVER_PID" || break
            sleep 0.1
        done
        kill -KILL "$WEXO_WINESERVER_PID" 2>/dev/null || true
        wait "$WEXO_WINESERVER_PID" 2>/dev/null || true
        WEXO_WINESERVER_PID=
    fi
}
