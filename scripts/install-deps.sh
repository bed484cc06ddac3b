#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages FENX needs. Does nothing when everything is
# present; uses sudo when not run as root.
#   scripts/install-deps.sh play   what building and running the game needs
#   scripts/install-deps.sh web    what building and serving the browser
#                                  version needs
#   scripts/install-deps.sh test   the game's set, plus what the tests, the
#                                  benchmarks, the fuzz targets, the package
#                                  checks and the browser version's tests add
set -euo pipefail

# Compiler and build tools (dpkg-buildflags of dpkg-dev gives the release
# build Debian's hardening flags), libpng (fenx-cli's pictures, the artwork
# generator), Qt 6 Widgets (pkg-config is used by Qt's own CMake modules),
# SDL2 for the sounds, and a Japanese font for the interface.
game_packages=(
  g++ cmake ninja-build pkg-config dpkg-dev
  libpng-dev qt6-base-dev libsdl2-dev fonts-ipafont-gothic
)
# GoogleTest, Google Benchmark, clang with its libFuzzer runtime, an X
# server and xdotool for the tests that need a real display (xdpyinfo,
# imagemagick and python3 for the scripts that play the game under it and
# compare screenshots), and what the package checks use: dpkg-shlibdeps
# and file for CPack's dependencies, the desktop entry and AppStream
# validators, lintian.
test_packages=(
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils imagemagick python3
  file desktop-file-utils appstream lintian
)

# The browser version: Debian's emscripten (with its clang, its optimizer's
# acorn and Node.js, which also serves the built page), CMake and Ninja.
web_packages=(emscripten cmake ninja-build)
# Its tests drive Debian's Chromium with playwright-core from npm. Node.js
# and npm come from Debian only when the machine has none of its own.
browser_test_packages=(chromium)
if ! command -v node >/dev/null 2>&1; then
  browser_test_packages+=(nodejs)
fi
if ! command -v npm >/dev/null 2>&1; then
  browser_test_packages+=(npm)
fi

case "${1:-}" in
  play) packages=("${game_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  test)
    packages=("${game_packages[@]}" "${test_packages[@]}" "${web_packages[@]}"
      "${browser_test_packages[@]}")
    ;;
  *)
    echo "usage: scripts/install-deps.sh play | web | test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
