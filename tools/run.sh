#!/bin/sh
# Installs what is missing, builds and starts the program.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
exec ./build/src/app/parvix "$@"
