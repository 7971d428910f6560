#!/bin/sh
# Installs the Debian packages the build needs, if any are missing.
# Usage: tools/setup.sh [test]   ("test" adds what the test suite needs)
set -eu
packages="build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev libcups2-dev libgtest-dev libbenchmark-dev fonts-dejavu-core"
if [ "${1:-}" = "test" ]; then
  packages="$packages clang libclang-rt-dev poppler-utils"
  # socat joins two pseudo-terminals for the serial link tests.
  packages="$packages socat"
  # A private print system for the print queue tests (its own cupsd, not the machine's).
  packages="$packages cups-daemon cups-client"
fi
missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
