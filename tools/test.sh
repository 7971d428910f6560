#!/bin/sh
# Installs what is missing, builds and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh test
tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
if [ -x tools/fuzz.sh ]; then tools/fuzz.sh; fi
