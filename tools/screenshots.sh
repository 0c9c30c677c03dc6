#!/bin/bash
# Screenshots on a real X server (Xvfb) of the main window, of its balloon
# hint and of a balloon in the configuration dialog: runs the look tests there
# and keeps what the screen showed, the main window's also four times enlarged.
#   bash tools/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
cmake --build "$build" -j2 --target test_app test_config
LUMWORD_SCREENSHOT_DIR=$(realpath "$out") QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s '-screen 0 1280x1024x24' "$build/tests/test_app" --gtest_filter='MainWindowLook.*:DialogHints.*'
# The daily plan page with a month of history (plan-page.png).
LUMWORD_SCREENSHOT_DIR=$(realpath "$out") QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s '-screen 0 1280x1024x24' "$build/tests/test_config" --gtest_filter='PlanPage.Tells*'
ls "$out"
