#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine if needed, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${JOBS:-2}" --target vantorel vantorel_help
exec build/src/shell/vantorel "$@"
