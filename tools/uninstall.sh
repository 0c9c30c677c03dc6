#!/usr/bin/env bash
# Removes the per-user install: the program, its pictures and help file, the menu
# entry and the icon. The parent's settings, word list, recordings and added
# pictures stay unless --all is given. Usage: tools/uninstall.sh [--all]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install-paths.sh
ALL=0
case "${1:-}" in
  "") ;;
  --all) ALL=1 ;;
  *) echo "usage: tools/uninstall.sh [--all]" >&2; exit 2 ;;
esac

rm -f -- "$LUMWORD_ENTRY" "${LUMWORD_ICONS[@]}"
if [ ! -d "$LUMWORD_APP" ]; then
  echo "Pellan Wordlark is not installed in $LUMWORD_APP; removed its menu entry and icon if there were any."
  exit 0
fi

# Only the files an install put there (it lists them); anything else is the parent's.
if [ -f "$LUMWORD_APP/installed-files.txt" ]; then
  while IFS= read -r f; do
    case "$f" in "" | /* | *..*) continue ;; esac
    rm -f -- "$LUMWORD_APP/$f"
  done < "$LUMWORD_APP/installed-files.txt"
  rm -f -- "$LUMWORD_APP/installed-files.txt"
else
  rm -f -- "$LUMWORD_APP/lumword" "$LUMWORD_APP/Lumword.hlp"
fi
# Empty folders hold nothing of the parent's (the program makes wav/ on first start).
rmdir "$LUMWORD_APP/images" "$LUMWORD_APP/packs" "$LUMWORD_APP/wav" 2> /dev/null || true

if [ "$ALL" = 1 ]; then
  rm -rf -- "$LUMWORD_APP"
  echo "Removed Pellan Wordlark and everything in $LUMWORD_APP, the words, settings and recordings too."
elif rmdir "$LUMWORD_APP" 2> /dev/null; then
  echo "Removed Pellan Wordlark; it kept nothing of yours."
else
  echo "Removed the program, its menu entry and icon. Your words and recordings are kept in"
  echo "$LUMWORD_APP:"
  lumword_list_kept "$LUMWORD_APP"
  echo "Installing again picks them up. To remove them too: bash tools/uninstall.sh --all"
fi
