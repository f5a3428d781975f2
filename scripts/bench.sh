#!/usr/bin/env bash
# bench.sh [NAME...] - builds the benchmarks (bench/*.cpp) and runs them under Wine, one after
# the other.  With names, runs only bench_NAME.exe for each.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

"$root/scripts/setup.sh" "$build"
cmake -S "$root" -B "$build"
cmake --build "$build" -j2 --target keepalive bench

. "$root/scripts/wine-env.sh"
wexo_wine_env "$build/wineprefix" headless
trap 'wexo_wine_session_stop' EXIT
trap 'exit 130' INT TERM
wexo_wine_session_start "$build/bin/keepalive.exe"

programs=()
if [ $# -gt 0 ]; then
    for name in "$@"; do programs+=("$build/bin/bench_$name.exe"); done
else
    shopt -s nullglob
    programs=("$build"/bin/bench_*.exe)
fi
if [ ${#programs[@]} -eq 0 ]; then
    echo "bench: no benchmarks (add bench/NAME.cpp with a main())" >&2
    exit 0
fi
rc=0
for exe in "${programs[@]}"; do
    echo "== $(basename "$exe" .exe)"
    wine "$exe" </dev/null || rc=1
done
exit $rc
