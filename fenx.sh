#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# FENX build entry point.
#   ./fenx.sh play    install what the game needs, build the game, start it
#   ./fenx.sh web [--build-only]
#                     install what the browser version needs, build it into
#                     build/web and serve that folder on
#                     http://127.0.0.1:8000/ until interrupted
#   ./fenx.sh test    install what is missing, build, run every test (the
#                     browser version's in headless Chromium too), then
#                     the whole suite again under AddressSanitizer and
#                     UndefinedBehaviorSanitizer, then each fuzz target
#                     briefly; checks the desktop entry and the AppStream
#                     file and builds the Debian package
#   ./fenx.sh bench   build and run the benchmarks
#   ./fenx.sh fuzz [S] build the fuzz targets with clang and run each for S
#                     seconds (default 60)
set -euo pipefail
cd "$(dirname "$0")"

command=${1:-}
case "$command" in
  play | web | test | bench | fuzz) ;;
  *)
    echo "usage: ./fenx.sh play | web [--build-only] | test | bench | fuzz [seconds]" >&2
    exit 2
    ;;
esac

# The game needs a desktop to show its window: say so before any work.
if [ "$command" = play ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "fenx.sh: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set): run it from a desktop" >&2
  exit 2
fi

if [ "$command" = play ] || [ "$command" = web ]; then
  scripts/install-deps.sh "$command"
else
  scripts/install-deps.sh test
fi
jobs=$(nproc 2>/dev/null || echo 2)

# Every fuzz target for $1 seconds, on the corpus it has gathered so far.
run_fuzzers() {
  local seconds=$1
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFENX_BUILD_GUI=OFF -DFENX_BUILD_TESTS=OFF -DFENX_BUILD_BENCHMARKS=OFF \
    -DFENX_BUILD_FUZZERS=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
  local targets=(ini_file challenge_progress history_list wave_reader sprite_sheet cli_arguments)
  cmake --build build/fuzz --parallel "$jobs" --target "${targets[@]/#/fuzz_}"
  for t in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$t"
    echo "fuzzing $t for ${seconds}s"
    "build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
      "build/fuzz/corpus/$t" 2>&1 | grep -E '^(stat::number_of_executed_units|==|SUMMARY|ERROR)' || true
    test "${PIPESTATUS[0]}" -eq 0
  done
}

# The browser version into build/web (static files only); emscripten's
# build tree stays in build/web-obj. Debian's emscripten runs its optimizer
# with the machine's Node.js and Debian's acorn.
build_web() {
  export NODE_PATH=/usr/share/nodejs
  emcmake cmake -S . -B build/web-obj -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DFENX_WEB_OUTPUT="$PWD/build/web" >/dev/null
  cmake --build build/web-obj --parallel "$jobs"
}

# The browser version in headless Chromium, against the test build's fenx-cli.
test_web() {
  build_web
  (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
  FENX_WEB="$PWD/build/web" FENX_CLI="$PWD/build/test/src/fenx-cli" \
    node --test --test-concurrency=1 tests/web/play.test.js tests/web/page.test.js
}

# The desktop entry and the AppStream file as installed, then the Debian
# package from the test build.
check_package() {
  local staged=build/test/staged
  rm -rf "$staged"
  DESTDIR="$PWD/$staged" cmake --install build/test --prefix /usr >/dev/null
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$staged"/usr/share/applications/*.desktop
  fi
  if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --pedantic "$staged"/usr/share/metainfo/*.metainfo.xml
  fi
  (cd build/test && cpack -G DEB)
  # Built with Debian's hardening flags, so lintian has nothing to say about
  # hardening.
  if command -v lintian >/dev/null 2>&1; then
    local hardening
    hardening=$(lintian --pedantic -I build/test/fenx_*.deb 2>&1 | grep -i hardening || true)
    if [ -n "$hardening" ]; then
      echo "$hardening" >&2
      return 1
    fi
  fi
}

case "$command" in
  play)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENX_BUILD_TESTS=OFF \
      -DFENX_BUILD_BENCHMARKS=OFF
    cmake --build build/release --parallel "$jobs" --target fenx
    # The game keeps its history (fenx.log) in the folder it runs in: the
    # folder this script was called from, not the source tree.
    program=$PWD/build/release/src/fenx
    cd "${OLDPWD:-.}"
    exec "$program"
    ;;
  web)
    build_web
    if [ "${2:-}" != --build-only ]; then
      exec node scripts/serve-web.js build/web 8000
    fi
    ;;
  test)
    # Installed as the Debian package installs it: the programs in games.
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENX_WERROR=ON \
      -DFENX_INSTALL_BINDIR=games
    cmake --build build/test --parallel "$jobs"
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    ctest --test-dir build/test --output-on-failure --parallel "$jobs"
    test_web
    check_package
    # The same suite with memory, leak and undefined-behaviour checks. The
    # reports need only function names and line numbers (-g1): full debug
    # information makes this, the longest build of the run, take about a
    # third longer.
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENX_WERROR=ON \
      -DFENX_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake --build build/sanitize --parallel "$jobs"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      LSAN_OPTIONS="suppressions=$PWD/tests/support/leak_suppressions.txt" \
      ctest --test-dir build/sanitize --output-on-failure --parallel "$jobs"
    if command -v clang++ >/dev/null 2>&1; then
      run_fuzzers 10
    fi
    ;;
  fuzz)
    run_fuzzers "${2:-60}"
    ;;
  bench)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENX_BUILD_BENCHMARKS=ON
    cmake --build build/release --parallel "$jobs" --target fenx_bench
    build/release/bench/fenx_bench "${@:2}"
    ;;
esac
