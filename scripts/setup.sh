#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# Usage: scripts/setup.sh [--bench]   (--bench adds what the benchmarks and the
# reference-table generator need)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  fp-utils-3.2.2
  libmspack-dev  # reads the compiled help file (its CHM reader, kept up and fuzzed)
  xvfb xauth xdotool xclip poppler-utils python3
  fonts-dejavu-core
  libflint-arb-dev  # ball arithmetic (and FLINT's exact rationals) for the exact arithmetic
  qt6-svg-dev  # the plot window's SVG export (QSvgGenerator)
  dpkg-dev  # the Debian package: cpack finds its dependencies with dpkg-shlibdeps
  librsvg2-bin  # the package's 48 px icon is drawn from the SVG with rsvg-convert
  lintian  # the package test: Debian's package checker
  appstream  # the package test: appstreamcli validates the metainfo
  desktop-file-utils  # the package test: desktop-file-validate
  man-db  # the package test: man -l renders the manual pages
  groff-base  # the package test: man's formatter
  libcups2-dev  # the print server's answer to a job, which Qt's printing drops
  cups-daemon  # the print tests run a private print server
  cups-client  # lpadmin, to set up the print tests' private printer
  printer-driver-cups-pdf  # the PDF printer of the print tests (the package of cups-pdf)
  openbox  # a window manager under Xvfb, for the test that minimises the report window
  # the program reads the font configuration ahead at start
  libfontconfig-dev
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libbenchmark-dev libmuparser-dev python3-mpmath valgrind)
  # bench/startup.py watches the X server for the window's MapNotify
  packages+=(python3-xlib)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
