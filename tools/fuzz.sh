#!/bin/sh
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each target for a
# bounded time from its seed corpus in fuzz/corpus/<name>/ (with the
# dictionary fuzz/<name>.dict when there is one). Any crash, sanitizer report,
# timeout or memory blow-up fails the script; the input that caused it is kept
# in build-fuzz/artifacts/. PARVIX_WERROR=ON makes compiler warnings errors.
# Usage: tools/fuzz.sh [seconds per target]   (default 30)
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-30}}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPARVIX_FUZZ=ON -DPARVIX_TESTS=OFF -DPARVIX_WERROR="${PARVIX_WERROR:-OFF}" >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p build-fuzz/artifacts
found=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  found=1
  name=${target##*/fuzz_}
  # New inputs go to a scratch folder; the checked-in seeds stay as they are.
  scratch=build-fuzz/corpus/$name
  mkdir -p "$scratch"
  # Inputs up to 128 KiB by default, so that large files are tried too, not
  # only short ones; fuzz/<name>.max_len sets another limit for a target.
  max_len=131072
  if [ -f "fuzz/$name.max_len" ]; then max_len=$(cat "fuzz/$name.max_len"); fi
  set -- -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -malloc_limit_mb=2048 \
    -timeout=10 -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/"$name"-
  if [ -f "fuzz/$name.dict" ]; then set -- "$@" -dict="fuzz/$name.dict"; fi
  echo "Fuzzing $name for $seconds s"
  "$target" "$@" "$scratch" "fuzz/corpus/$name"
done
if [ "$found" = 0 ]; then
  echo "No fuzz targets were built" >&2
  exit 1
fi
echo "Fuzzing finished without a crash"
