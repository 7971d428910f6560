#!/bin/sh
# Configures and builds into build/ (Release with debug information).
# PARVIX_WERROR=ON makes compiler warnings errors (the test command sets it).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVIX_WERROR="${PARVIX_WERROR:-OFF}"
cmake --build build -j "$(nproc)"
