#!/usr/bin/env bash
# The per-user install, end to end, into temporary data folders (whose paths hold a
# space, as a home folder may): install, data beside the program, install again,
# the menu entry, the icon, moving words over from the old build folder, and
# uninstall with and without --all.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
SRC="$1"
BUILD="$(cd "$2" && pwd)"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
export HOME="$TMP/home"
mkdir -p "$HOME"
export LUMWORD_FORMER_DIR="$TMP/no former build"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what="$1"; shift; "$@" || fail "$what"; }
same() { cmp -s "$1" "$2"; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }

export XDG_DATA_HOME="$TMP/data home"
APP="$XDG_DATA_HOME/pellan-wordlark"
ENTRY="$XDG_DATA_HOME/applications/pellan-wordlark.desktop"
ICONS="$XDG_DATA_HOME/icons/hicolor"

echo "--- first install"
bash "$SRC/tools/install.sh" "$BUILD" > "$TMP/out1"
check "install names its folder" grep -qF "$APP" "$TMP/out1"
check "program installed and runnable" test -x "$APP/lumword"
debug_info() { local sections; sections="$(readelf -S --wide "$1")"; [[ "$sections" == *.debug_info* ]]; }
check "the build folder's program keeps its debug information" debug_info "$BUILD/dist/lumword"
check "the installed program is stripped" test -z "$(readelf -S --wide "$APP/lumword" | grep -E '\.(debug_|symtab)' || true)"
check "the installed program is smaller" test "$(stat -c %s "$APP/lumword")" -lt "$(stat -c %s "$BUILD/dist/lumword")"
check "help file installed" same "$SRC/dist/Lumword.hlp" "$APP/Lumword.hlp"
check "translated help installed" same "$SRC/dist/Lumword.de.hlp" "$APP/Lumword.de.hlp"
for p in "$SRC"/dist/images/*; do
  check "picture $(basename "$p") installed" same "$p" "$APP/images/$(basename "$p")"
done
for p in "$SRC"/dist/packs/*; do
  check "starter pack $(basename "$p") installed" same "$p" "$APP/packs/$(basename "$p")"
done
check "no settings, word list or recordings made by the install" \
  test ! -e "$APP/lumword.INI" -a ! -e "$APP/lumword.lst" -a ! -e "$APP/wav"

echo "--- menu entry and icon"
check "desktop entry validates" desktop-file-validate "$ENTRY"
check "desktop entry validates without a word" test -z "$(desktop-file-validate "$ENTRY" 2>&1)"
check "Exec is the installed program, quoted for the space" grep -qxF "Exec=\"$APP/lumword\"" "$ENTRY"
check "TryExec is the installed program" grep -qxF "TryExec=$APP/lumword" "$ENTRY"
check "name" grep -qx "Name=Pellan Wordlark" "$ENTRY"
check "comment" grep -q "^Comment=." "$ENTRY"
check "categories" grep -qx "Categories=Education;X-Kids;" "$ENTRY"
check "icon by name" grep -qx "Icon=pellan-wordlark" "$ENTRY"
check "scalable icon" grep -q "<svg" "$ICONS/scalable/apps/pellan-wordlark.svg"
check "48 px icon" test "$(png_size "$ICONS/48x48/apps/pellan-wordlark.png")" = 48x48
check "256 px icon" test "$(png_size "$ICONS/256x256/apps/pellan-wordlark.png")" = 256x256

if [ -x "$BUILD/tools/genicon" ]; then
  "$BUILD/tools/genicon" "$TMP/icons" > /dev/null 2>&1
  check "the scalable icon is what tools/genicon.cpp draws" same "$SRC/desktop/icons/pellan-wordlark.svg" "$TMP/icons/pellan-wordlark.svg"
fi

echo "--- the installed program keeps its files beside itself"
QT_QPA_PLATFORM=offscreen "$APP/lumword" > "$TMP/program.log" 2>&1 &
pid=$!
for _ in $(seq 1 300); do
  [ -d "$APP/wav" ] && break
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
check "first start made wav/ beside the installed program" test -d "$APP/wav"
check "the program was still running" kill "$pid"
wait "$pid" 2> /dev/null || true

echo "--- install again over the parent's data"
printf '2;ball;1\r\n1;dog;2\r\n' > "$APP/lumword.lst"
printf '[Settings]\r\nListChecksum=0A1B2C3D\r\nDelay=8\r\n' > "$APP/lumword.INI"
head -c 5000 /dev/urandom > "$APP/wav/word0001.wav"
head -c 3000 /dev/urandom > "$APP/images/our garden.jpg"
mkdir -p "$TMP/before"
cp -a "$APP/lumword.lst" "$APP/lumword.INI" "$APP/wav" "$APP/images/our garden.jpg" "$TMP/before/"
cp -a "$APP/lumword" "$TMP/program"
printf 'an older program\n' > "$APP/lumword"
printf 'an older help file\n' > "$APP/Lumword.hlp"
printf 'an older picture\n' > "$APP/images/confetti.jpg"
bash "$SRC/tools/install.sh" "$BUILD" > /dev/null
check "program replaced" same "$TMP/program" "$APP/lumword"
check "program still runnable" test -x "$APP/lumword"
check "help file replaced" same "$SRC/dist/Lumword.hlp" "$APP/Lumword.hlp"
check "picture replaced" same "$SRC/dist/images/confetti.jpg" "$APP/images/confetti.jpg"
check "word list untouched" same "$TMP/before/lumword.lst" "$APP/lumword.lst"
check "settings untouched" same "$TMP/before/lumword.INI" "$APP/lumword.INI"
check "recording untouched" same "$TMP/before/wav/word0001.wav" "$APP/wav/word0001.wav"
check "no recording added or lost" test "$(ls "$APP/wav")" = word0001.wav
check "the parent's picture stays" same "$TMP/before/our garden.jpg" "$APP/images/our garden.jpg"
check "desktop entry still validates" desktop-file-validate "$ENTRY"

echo "--- uninstall keeps the parent's data"
bash "$SRC/tools/uninstall.sh" > "$TMP/out2"
cat "$TMP/out2"
check "uninstall says where the data is" grep -qF "$APP" "$TMP/out2"
check "program removed" test ! -e "$APP/lumword"
check "help removed" test ! -e "$APP/Lumword.hlp" -a ! -e "$APP/Lumword.pl.hlp"
check "shipped pictures removed" test ! -e "$APP/images/confetti.jpg"
check "starter packs removed" test ! -e "$APP/packs"
check "desktop entry removed" test ! -e "$ENTRY"
check "icons removed" test ! -e "$ICONS/scalable/apps/pellan-wordlark.svg" -a \
  ! -e "$ICONS/48x48/apps/pellan-wordlark.png" -a ! -e "$ICONS/256x256/apps/pellan-wordlark.png"
check "word list kept" same "$TMP/before/lumword.lst" "$APP/lumword.lst"
check "settings kept" same "$TMP/before/lumword.INI" "$APP/lumword.INI"
check "recording kept" same "$TMP/before/wav/word0001.wav" "$APP/wav/word0001.wav"
check "the parent's picture kept" same "$TMP/before/our garden.jpg" "$APP/images/our garden.jpg"

echo "--- install again after uninstall picks the data up"
bash "$SRC/tools/install.sh" "$BUILD" > /dev/null
check "program back" same "$TMP/program" "$APP/lumword"
check "word list still there" same "$TMP/before/lumword.lst" "$APP/lumword.lst"

echo "--- uninstall --all"
bash "$SRC/tools/uninstall.sh" --all > "$TMP/out3"
check "--all removes the folder" test ! -e "$APP"
check "--all says so" grep -qF "$APP" "$TMP/out3"
check "a wrong option is refused" test "$(bash "$SRC/tools/uninstall.sh" --everything > /dev/null 2>&1; echo $?)" = 2

echo "--- nothing of the parent's: uninstall leaves no folder"
export XDG_DATA_HOME="$TMP/clean"
bash "$SRC/tools/install.sh" "$BUILD" > /dev/null
mkdir "$XDG_DATA_HOME/pellan-wordlark/wav"   # as the first start makes it
bash "$SRC/tools/uninstall.sh" > /dev/null
check "folder gone" test ! -e "$XDG_DATA_HOME/pellan-wordlark"

echo "--- words from the old build folder move over once"
export XDG_DATA_HOME="$TMP/moved"
APP="$XDG_DATA_HOME/pellan-wordlark"
export LUMWORD_FORMER_DIR="$TMP/old build/dist"
mkdir -p "$LUMWORD_FORMER_DIR/wav" "$LUMWORD_FORMER_DIR/images"
cp -a "$TMP/before/lumword.lst" "$TMP/before/lumword.INI" "$LUMWORD_FORMER_DIR/"
cp -a "$TMP/before/wav/word0001.wav" "$LUMWORD_FORMER_DIR/wav/"
cp -a "$TMP/before/our garden.jpg" "$LUMWORD_FORMER_DIR/images/"
printf 'an older picture\n' > "$LUMWORD_FORMER_DIR/images/confetti.jpg"
bash "$SRC/tools/install.sh" "$BUILD" > "$TMP/out4"
check "says it copied them" grep -qF "$LUMWORD_FORMER_DIR" "$TMP/out4"
check "word list moved" same "$TMP/before/lumword.lst" "$APP/lumword.lst"
check "settings moved" same "$TMP/before/lumword.INI" "$APP/lumword.INI"
check "recording moved" same "$TMP/before/wav/word0001.wav" "$APP/wav/word0001.wav"
check "added picture moved" same "$TMP/before/our garden.jpg" "$APP/images/our garden.jpg"
check "shipped picture not replaced by the old copy" same "$SRC/dist/images/confetti.jpg" "$APP/images/confetti.jpg"
check "originals left in place" same "$TMP/before/lumword.lst" "$LUMWORD_FORMER_DIR/lumword.lst"
printf 'x;other;9\r\n' > "$LUMWORD_FORMER_DIR/lumword.lst"
bash "$SRC/tools/install.sh" "$BUILD" > /dev/null
check "never over words already installed" same "$TMP/before/lumword.lst" "$APP/lumword.lst"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all install checks passed"
