#!/usr/bin/env bash
# setup.sh [BUILD_DIR]
#
# Brings a Debian 12 machine to the state the build and the tests need: installs the missing
# Debian packages (as root; otherwise prints the command to run and fails), then creates the
# headless Wine test prefix BUILD_DIR/wineprefix (default build/wineprefix) if it is not there.
# Running it again changes nothing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

packages=(
    cmake make                       # build
    g++-mingw-w64-x86-64-posix       # cross compiler (posix threads: std::thread and friends)
    mingw-w64-tools                  # widl, for the type library
    libwine-dev                      # the .idl files widl imports (stdole2, oaidl, ...)
    wine wine64                      # runs the tests and the showcase
    fonts-wine                       # Tahoma, MS Shell Dlg, Marlett inside the prefix
    xvfb xauth                       # private display for the showcase when there is none
    imagemagick                      # inspects the showcase's screenshots
    googletest                       # test framework, built from source by the project
    psmisc                           # fuser: tells a live wineserver from a stale socket
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: these Debian packages are missing; install them as root with:" >&2
        echo "apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q "${missing[@]}" >/dev/null
fi

. "$root/scripts/wine-env.sh"
wexo_wine_env "$build/wineprefix" headless
mkdir -p "$build"
(
    flock 9
    wexo_wine_create_prefix null
) 9>"$WINEPREFIX.lock"
