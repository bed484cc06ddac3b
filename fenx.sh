#!/usr/bin/env bash
# FENX build entry point.
#   ./fenx.sh play    install what is missing, build, start the game
#   ./fenx.sh test    install what is missing, build, run every test
#   ./fenx.sh bench   build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

command=${1:-}
case "$command" in
  play | test | bench) ;;
  *)
    echo "usage: ./fenx.sh play | test | bench" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

case "$command" in
  play)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENX_BUILD_TESTS=OFF \
      -DFENX_BUILD_BENCHMARKS=OFF
    cmake --build build/release --parallel "$jobs"
    # The game keeps its history (fenx.log) in the folder it runs in: the
    # folder this script was called from, not the source tree.
    program=$PWD/build/release/src/fenx
    cd "${OLDPWD:-.}"
    exec "$program"
    ;;
  test)
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENX_WERROR=ON
    cmake --build build/test --parallel "$jobs"
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    ctest --test-dir build/test --output-on-failure --parallel "$jobs"
    ;;
  bench)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release --parallel "$jobs"
    build/release/bench/fenx_bench "${@:2}"
    ;;
esac
