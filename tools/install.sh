#!/usr/bin/env bash
# Installs the built program for the current user:
#   $XDG_DATA_HOME/pellan-wordlark/      the program, its pictures and help file; the
#                                        parent's settings, words and recordings live
#                                        here too and an install never touches them
#   $XDG_DATA_HOME/applications/         the menu entry
#   $XDG_DATA_HOME/icons/hicolor/        the icon
# ($XDG_DATA_HOME is ~/.local/share unless set.) Usage: tools/install.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install-paths.sh
BUILD="${1:-build}"

cmake --install "$BUILD" --prefix "$LUMWORD_DATA_HOME" > "$BUILD/install.log" ||
  { cat "$BUILD/install.log" >&2; exit 1; }

# Earlier versions ran the program inside the build folder, so a parent's words may
# still be there. They are copied over once, when the installed folder has none of
# its own yet; the originals stay where they are.
FORMER="${LUMWORD_FORMER_DIR:-$BUILD/dist}"
has_data() { [ -e "$1/lumword.INI" ] || [ -e "$1/lumword.lst" ] || [ -n "$(find "$1/wav" -maxdepth 1 -type f 2>/dev/null | head -1)" ]; }
if [ "$(cd "$FORMER" 2>/dev/null && pwd -P)" != "$(cd "$LUMWORD_APP" && pwd -P)" ] &&
   has_data "$FORMER" && ! has_data "$LUMWORD_APP"; then
  for f in lumword.INI lumword.lst wav; do
    [ -e "$FORMER/$f" ] && cp -a "$FORMER/$f" "$LUMWORD_APP/"
  done
  if [ -d "$FORMER/images" ]; then
    for p in "$FORMER"/images/*; do
      [ -f "$p" ] && [ ! -e "$LUMWORD_APP/images/$(basename "$p")" ] && cp -a "$p" "$LUMWORD_APP/images/"
    done
  fi
  echo "Copied the words, settings and recordings from $FORMER (left in place there too)."
fi

echo "Installed Pellan Wordlark in $LUMWORD_APP"
echo "Menu entry: $LUMWORD_ENTRY"
