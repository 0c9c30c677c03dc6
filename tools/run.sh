#!/usr/bin/env bash
# Installs the packages it needs, builds, installs the program for the current user
# (tools/install.sh: into $XDG_DATA_HOME/pellan-wordlark, ~/.local/share/pellan-wordlark
# by default, with a menu entry) and starts the installed copy.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lumword
bash tools/install.sh build
source tools/install-paths.sh
exec "$LUMWORD_APP/lumword"
