#!/bin/sh
# Installs what is missing, then builds and runs the tests headless three
# ways, each in a build folder of its own: the whole suite as the program is
# built (build/), the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (tools/sanitize.sh, build-asan/), and the fuzz
# targets (tools/fuzz.sh, build-fuzz/). Compiler warnings are errors in all
# three. Each leg says how long it took.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh test
PARVIX_WERROR=ON
export PARVIX_WERROR

leg() {
  name=$1
  shift
  start=$(date +%s)
  "$@"
  echo "$name took $(($(date +%s) - start)) s"
}
plain() {
  tools/build.sh
  QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
}
leg "The plain build and suite" plain
leg "The sanitizer build and suite" tools/sanitize.sh
leg "The fuzz build and run" tools/fuzz.sh
