#!/usr/bin/env bash
# tools/soundserver.sh start on a machine whose ALSA "default" is PipeWire's while no
# PipeWire runs (what pipewire-alsa sets up): the PulseAudio server it starts must
# still be what "default" reaches, and where it cannot be, start must fail and say so.
# The machine's own ALSA set-up is replaced, for this script's processes only, by a
# made-up one.
# Usage: soundserver_test.sh SOURCE_DIR
set -euo pipefail
SRC="$1"
TMP="$(mktemp -d)"
export LUMWORD_SOUND_STATE="$TMP/state" PULSE_RUNTIME_PATH="$TMP/pulse"
mkdir -p -m700 "$PULSE_RUNTIME_PATH"
trap 'bash "$SRC/tools/soundserver.sh" stop >/dev/null 2>&1 || true; rm -rf "$TMP"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
default_plugin() { aplay -v -D default -t raw -f S16_LE -c 2 -r 44100 /dev/null 2>&1 | grep -m1 Plugin || true; }

# The system's top-level file with its folders replaced by one of ours, which holds
# pipewire-alsa's default (its plugin need not exist: no PipeWire runs either way).
mkdir -p "$TMP/conf.d"
sed -e '\|"/var/lib/alsa/conf.d"|d' -e '\|"/usr/etc/alsa/conf.d"|d' -e '\|"/etc/asound.conf|d' \
    -e '\|"~/.asoundrc"|d' -e "s|\"/etc/alsa/conf.d\"|\"$TMP/conf.d\"|" /usr/share/alsa/alsa.conf >"$TMP/alsa.conf"
printf 'pcm.!default { type pipewire }\nctl.!default { type pipewire }\n' >"$TMP/conf.d/99-pipewire-default.conf"
export ALSA_CONFIG_PATH="$TMP/alsa.conf"

echo "--- PipeWire is the default and does not run"
export LUMWORD_ALSA_TARGET="$TMP/conf.d/zz-lumword-pulse-default.conf"
bash "$SRC/tools/soundserver.sh" start 2>"$TMP/log1" || fail "start failed: $(cat "$TMP/log1")"
default_plugin | grep -q PulseAudio || fail "ALSA default does not reach the server: $(default_plugin)"
bash "$SRC/tools/soundserver.sh" stop 2>/dev/null
[ -e "$LUMWORD_ALSA_TARGET" ] && fail "stop left $LUMWORD_ALSA_TARGET behind"

echo "--- a file of someone else's in the way"
echo "# not ours" >"$LUMWORD_ALSA_TARGET"
if bash "$SRC/tools/soundserver.sh" start 2>"$TMP/log2"; then
  fail "start succeeded although default cannot reach the server"
fi
grep -q "cannot hear" "$TMP/log2" || fail "start did not say why: $(cat "$TMP/log2")"
grep -q "not ours" "$LUMWORD_ALSA_TARGET" || fail "start overwrote a file of someone else's"
bash "$SRC/tools/soundserver.sh" status && fail "a failed start left its server running"

echo "--- a file that sorts before PipeWire's is overridden by it"
export LUMWORD_ALSA_TARGET="$TMP/conf.d/99-lumword-pulse-default.conf"
if bash "$SRC/tools/soundserver.sh" start 2>"$TMP/log3"; then
  fail "start succeeded although its file loads before PipeWire's"
fi
grep -q "still goes to" "$TMP/log3" || fail "start did not say why: $(cat "$TMP/log3")"

[ "$failures" -eq 0 ] && echo "all passed"
exit "$failures"
