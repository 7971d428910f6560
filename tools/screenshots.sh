#!/bin/sh
# Pictures of the main window (a program with long names) and of the watch
# window (after a few steps) under Xvfb, for a look at the layout.
# Usage: tools/screenshots.sh [folder]   (default docs/; needs a built build/)
set -eu
cd "$(dirname "$0")/.."
# Xvfb is the only thing the pictures need beyond the build.
if ! command -v xvfb-run >/dev/null 2>&1; then
  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xvfb xauth
fi
out="${1:-docs}"
mkdir -p "$out"
PARVIX_SCREENSHOT_DIR="$(cd "$out" && pwd)"
export PARVIX_SCREENSHOT_DIR
for test in ui_table_layout_test ui_watch_window_test; do
  xvfb-run -a -s "-screen 0 1400x1000x24 -dpi 96" env QT_QPA_PLATFORM=xcb "build/tests/$test" screenshot
done

# A tour of every window and panel on a program built on the keypads, into
# build/tour/ (PARVIX_TOUR_DIR); the equivalents window and the disassembly
# dialog from it also go beside the other pictures.
tour="${PARVIX_TOUR_DIR:-build/tour}"
mkdir -p "$tour"
PARVIX_SCREENSHOT_DIR="$(cd "$tour" && pwd)" xvfb-run -a -s "-screen 0 1400x1000x24 -dpi 96" \
  env QT_QPA_PLATFORM=xcb build/tests/parvix_screen_tour
cp "$tour/tour-16a-equivalents-keyed.png" "$out/equivalents-window.png"
cp "$tour/tour-20b-disassembly-marked.png" "$out/disassembly-dialog.png"
