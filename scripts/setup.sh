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
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libbenchmark-dev libmuparser-dev python3-mpmath valgrind)
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
