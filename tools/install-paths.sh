# Where a per-user install lives; sourced by install.sh, run.sh and uninstall.sh.
# The desktop's rule for $XDG_DATA_HOME: unset, empty or relative means
# ~/.local/share.
case "${XDG_DATA_HOME:-}" in
  /*) LUMWORD_DATA_HOME="$XDG_DATA_HOME" ;;
  *) LUMWORD_DATA_HOME="$HOME/.local/share" ;;
esac
LUMWORD_APP="$LUMWORD_DATA_HOME/pellan-wordlark"
LUMWORD_ENTRY="$LUMWORD_DATA_HOME/applications/pellan-wordlark.desktop"
LUMWORD_ICONS=(
  "$LUMWORD_DATA_HOME/icons/hicolor/scalable/apps/pellan-wordlark.svg"
  "$LUMWORD_DATA_HOME/icons/hicolor/48x48/apps/pellan-wordlark.png"
  "$LUMWORD_DATA_HOME/icons/hicolor/256x256/apps/pellan-wordlark.png"
)

# Says what of the parent's own is in the program's folder, one line each.
lumword_list_kept() {
  local app="$1" n
  [ -e "$app/lumword.INI" ] && echo "  lumword.INI   the settings"
  if [ -e "$app/lumword.lst" ]; then
    n=$(grep -c . "$app/lumword.lst" || true)
    echo "  lumword.lst   the word list: $n words"
  fi
  if [ -d "$app/wav" ]; then
    n=$(find "$app/wav" -maxdepth 1 -type f | wc -l)
    echo "  wav/          the recordings: $n"
  fi
  if [ -d "$app/images" ]; then
    n=$(find "$app/images" -maxdepth 1 -type f | wc -l)
    [ "$n" -gt 0 ] && echo "  images/       background pictures: $n"
  fi
  find "$app" -mindepth 1 -maxdepth 1 ! -name lumword.INI ! -name lumword.lst ! -name wav ! -name images \
    -printf '  %f\n'
  return 0
}
