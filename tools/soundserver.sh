#!/usr/bin/env bash
# Starts or stops the sound server the audio tests play to and record from.
#
#   tools/soundserver.sh start   PulseAudio with one null sink, the sink's monitor as
#                                the default source, so ALSA "default" plays and records
#                                in real time on a machine without a sound card
#   tools/soundserver.sh stop    stops the server this script started, and removes the
#                                ALSA configuration it wrote
#   tools/soundserver.sh status  exit 0 when a server is reachable
#
# A server that is already reachable (a desktop session, another test run) is used as
# it is and never stopped by this script. State lives in $LUMWORD_SOUND_STATE
# (default /tmp/lumword-soundserver).
set -euo pipefail

STATE_DIR=${LUMWORD_SOUND_STATE:-/tmp/lumword-soundserver}
PID_FILE=$STATE_DIR/pulseaudio.pid
ALSA_MARK=$STATE_DIR/alsa-config-written
SINK=lumword_null

log() { echo "soundserver: $*" >&2; }

reachable() { pactl info >/dev/null 2>&1; }

# Where "default" may be sent to pulse: the system folder when we are root, the user's
# own file otherwise.
alsa_target() {
  if [ "$(id -u)" -eq 0 ] && [ -d /etc/alsa/conf.d ]; then
    echo /etc/alsa/conf.d/99-lumword-pulse-default.conf
  else
    echo "${HOME:-/root}/.asoundrc"
  fi
}

# True when ALSA already routes "default" to pulse once a server runs: the hook that
# libasound2-plugins installs, or a configuration naming the pulse plugin as default.
alsa_routes_to_pulse() {
  local f
  for f in /etc/alsa/conf.d/99-pulse.conf /usr/share/alsa/alsa.conf.d/99-pulse.conf; do
    if [ -e "$f" ] && grep -q pulse-alsa.conf "$f" 2>/dev/null &&
       [ -e /usr/share/alsa/pulse-alsa.conf ]; then
      return 0
    fi
  done
  for f in /etc/asound.conf "${HOME:-/root}/.asoundrc" /etc/alsa/conf.d/*.conf; do
    [ -e "$f" ] || continue
    if tr -d '\n' <"$f" | grep -Eq 'pcm\.!?default[[:space:]]*\{[^}]*type[[:space:]]+pulse'; then
      return 0
    fi
  done
  return 1
}

write_alsa_config() {
  if alsa_routes_to_pulse; then
    return 0
  fi
  local target
  target=$(alsa_target)
  if [ -e "$target" ]; then
    log "ALSA does not route \"default\" to pulse and $target exists; leaving it alone"
    return 0
  fi
  cat >"$target" <<'EOF'
# Written by tools/soundserver.sh: ALSA "default" goes to the PulseAudio test server.
pcm.!default {
    type pulse
    hint.description "PulseAudio test server"
}
ctl.!default {
    type pulse
}
EOF
  echo "$target" >"$ALSA_MARK"
  log "wrote $target"
}

start() {
  mkdir -p "$STATE_DIR"
  command -v pulseaudio >/dev/null || { log "pulseaudio is not installed"; exit 1; }
  write_alsa_config
  if reachable; then
    log "a sound server is already running; using it"
    return 0
  fi
  cat >"$STATE_DIR/server.pa" <<EOF
load-module module-native-protocol-unix
load-module module-null-sink sink_name=$SINK rate=44100 channels=2 sink_properties=device.description=LumwordNull
set-default-sink $SINK
set-default-source $SINK.monitor
load-module module-null-source source_name=lumword_silence rate=44100 channels=2
load-module module-loopback source=lumword_silence sink=$SINK latency_msec=30 source_dont_move=true sink_dont_move=true
EOF
  # A null sink alone renders in blocks of its largest latency (2 s), so a sound
  # would start 2 s late. A silent loopback stream asking for 30 ms keeps the sink's
  # latency low: sounds then start, play and end in real time as on a sound card.
  # Root has no session bus or realtime policy in CI; the server runs in user mode all
  # the same, so clients of the same user find its socket the usual way.
  pulseaudio --daemonize=no --system=no --exit-idle-time=-1 --disallow-exit=no \
    --realtime=no --high-priority=no --disable-shm=yes -n -F "$STATE_DIR/server.pa" \
    >"$STATE_DIR/pulseaudio.log" 2>&1 &
  echo $! >"$PID_FILE"
  for _ in $(seq 1 100); do
    if reachable; then
      log "started (pid $(cat "$PID_FILE"))"
      return 0
    fi
    if ! kill -0 "$(cat "$PID_FILE")" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  log "the server did not come up; its log:"
  cat "$STATE_DIR/pulseaudio.log" >&2 || true
  stop_server
  exit 1
}

stop_server() {
  if [ -f "$PID_FILE" ]; then
    local pid
    pid=$(cat "$PID_FILE")
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$PID_FILE"
    log "stopped (pid $pid)"
  fi
}

stop() {
  stop_server
  if [ -f "$ALSA_MARK" ]; then
    rm -f "$(cat "$ALSA_MARK")"
    rm -f "$ALSA_MARK"
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  status) reachable ;;
  *) echo "usage: $0 start|stop|status" >&2; exit 2 ;;
esac
