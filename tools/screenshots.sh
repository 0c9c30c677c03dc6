#!/bin/bash
# Screenshots of the main window and of a balloon hint on a real X server
# (Xvfb): runs the main window's look tests there and keeps what the screen
# showed, at natural size and four times enlarged.
#   bash tools/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
cmake --build "$build" -j2 --target test_app
LUMWORD_SCREENSHOT_DIR=$(realpath "$out") QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s '-screen 0 1280x1024x24' "$build/tests/test_app" --gtest_filter='MainWindowLook.*'
ls "$out"
