#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program from its runnable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lumword
exec build/dist/lumword
