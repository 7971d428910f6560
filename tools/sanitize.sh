#!/bin/sh
# Builds the program and its whole test suite, core and widget tests, with
# clang's AddressSanitizer (leak detection on) and UndefinedBehaviorSanitizer
# into build-asan/, then runs the suite headless there. A memory fault, a
# leak of our own or undefined behaviour fails the test it happens in; what
# Qt and the system libraries leak of their own is left out through
# tools/lsan.supp. The benchmarks are not built here.
# Usage: tools/sanitize.sh [ctest arguments]   (e.g. -R ui.editing_test)
set -eu
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPARVIX_SANITIZE=ON -DPARVIX_BENCH=OFF -DPARVIX_WERROR="${PARVIX_WERROR:-OFF}" >/dev/null
cmake --build build-asan -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$(nproc)" "$@"
