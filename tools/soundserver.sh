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
#   tools/soundserver.sh pipewire-start
#                                PipeWire, wireplumber and pipewire-pulse with the same
#                                null sink, in a runtime folder of their own, and two
#                                ALSA set-ups for test processes only (nothing global
#                                changes): source $STATE/pipewire/env-pipewire to route
#                                "default" through PipeWire's own ALSA plugin, or
#                                env-pulse for ALSA's pulse plugin into pipewire-pulse
#   tools/soundserver.sh pipewire-stop
#
# A server that is already reachable (a desktop session, another test run) is used as
# it is and never stopped by this script. `start` makes sure ALSA "default" reaches the
# PulseAudio server, whatever else is installed, and fails saying why when it cannot.
# State lives in $LUMWORD_SOUND_STATE (default /tmp/lumword-soundserver).
set -euo pipefail

STATE_DIR=${LUMWORD_SOUND_STATE:-/tmp/lumword-soundserver}
PID_FILE=$STATE_DIR/pulseaudio.pid
ALSA_MARK=$STATE_DIR/alsa-config-written
SINK=lumword_null

log() { echo "soundserver: $*" >&2; }

reachable() { pactl info >/dev/null 2>&1; }

# Where "default" may be sent to pulse: the system folder when we are root, under a
# name that loads after every other file there (PipeWire's 99-pipewire-default.conf
# included); the user's own file otherwise; $LUMWORD_ALSA_TARGET when set (a check of
# this script against a made-up ALSA set-up).
alsa_target() {
  if [ -n "${LUMWORD_ALSA_TARGET:-}" ]; then
    echo "$LUMWORD_ALSA_TARGET"
  elif [ "$(id -u)" -eq 0 ] && [ -d /etc/alsa/conf.d ]; then
    echo /etc/alsa/conf.d/zz-lumword-pulse-default.conf
  else
    echo "${HOME:-/root}/.asoundrc"
  fi
}

# The plugin behind ALSA "default" as ALSA itself resolves it (for example "ALSA <->
# PulseAudio PCM I/O Plugin"), or why "default" does not open.
alsa_default_plugin() {
  timeout 10 aplay -v -D default -t raw -f S16_LE -c 2 -r 44100 /dev/null 2>&1 |
    grep -m1 -E 'Plugin|^[A-Za-z].*PCM|open error' | sed 's/^aplay: [^ ]* //' || true
}

default_reaches_pulse() { alsa_default_plugin | grep -q PulseAudio; }

# With the server up, "default" must reach it whatever else is installed: pipewire-alsa,
# for one, makes PipeWire the default even where no PipeWire runs, and the tests would
# then hear nothing.
route_default_to_pulse() {
  if default_reaches_pulse; then
    return 0
  fi
  local target before
  before=$(alsa_default_plugin)
  target=$(alsa_target)
  if [ -e "$target" ] && ! [ -f "$ALSA_MARK" ]; then
    log "ALSA \"default\" goes to \"$before\", not to the test server,"
    log "and $target exists; not overwriting it. The sound tests cannot hear this server"
    log "until pcm.!default there is of type pulse."
    return 1
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
  log "wrote $target (ALSA \"default\" went to \"$before\")"
  if ! default_reaches_pulse; then
    log "ALSA \"default\" still goes to \"$(alsa_default_plugin)\", not to the test server: a"
    log "configuration read after $target overrides it (a later file beside it, /etc/asound.conf,"
    log "~/.asoundrc, \$XDG_CONFIG_HOME/alsa/asoundrc). The sound tests cannot hear this server."
    return 1
  fi
}

start() {
  mkdir -p "$STATE_DIR"
  command -v pulseaudio >/dev/null || { log "pulseaudio is not installed"; exit 1; }
  if reachable; then
    log "a sound server is already running; using it"
    route_default_to_pulse || exit 1
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
      route_default_to_pulse || { stop; exit 1; }
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

# Ends a process this script started, by the id it wrote down.
stop_pid_file() {
  local file=$1 pid
  [ -f "$file" ] || return 0
  pid=$(cat "$file")
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$file"
  log "stopped $(basename "$file" .pid) (pid $pid)"
}

stop_server() { stop_pid_file "$PID_FILE"; }

stop() {
  stop_server
  if [ -f "$ALSA_MARK" ]; then
    rm -f "$(cat "$ALSA_MARK")"
    rm -f "$ALSA_MARK"
  fi
}

# --- PipeWire ---------------------------------------------------------------------
PW_DIR=$STATE_DIR/pipewire

# PipeWire's ALSA plugin without the pipewire-alsa package, which on Debian 12 cannot
# sit beside pulseaudio: the installed plugin when there is one, else the package of
# the installed PipeWire's version unpacked into the state folder. Prints its folder.
pipewire_alsa_plugin_dir() {
  local lib version
  lib=$(find /usr/lib* "$STATE_DIR/pipewire-alsa" -name libasound_module_pcm_pipewire.so 2>/dev/null | head -n1)
  if [ -z "$lib" ]; then
    version=$(dpkg-query -W -f='${Version}' pipewire 2>/dev/null) || true
    [ -n "$version" ] || { log "pipewire is not installed"; return 1; }
    mkdir -p "$STATE_DIR/pipewire-alsa"
    (cd "$STATE_DIR/pipewire-alsa" && apt-get download "pipewire-alsa=$version" >/dev/null 2>&1 &&
      dpkg-deb -x pipewire-alsa_*.deb root) || { log "cannot fetch pipewire-alsa $version"; return 1; }
    lib=$(find "$STATE_DIR/pipewire-alsa" -name libasound_module_pcm_pipewire.so | head -n1)
  fi
  [ -n "$lib" ] || { log "PipeWire's ALSA plugin is missing"; return 1; }
  dirname "$lib"
}

# A top-level ALSA configuration that reads the system's (cards, plugin types) but, in
# place of the machine's own routing files, only $2: the machine's "default" (and
# PulseAudio's hook that takes it over whenever a pulse server answers) stay out.
alsa_top_config() {
  local out=$1 route=$2
  sed -e '\|"/var/lib/alsa/conf.d"|d' -e '\|"/usr/etc/alsa/conf.d"|d' \
      -e '\|"/etc/asound.conf|d' -e '\|"~/.asoundrc"|d' \
      -e "s|^\([[:space:]]*\)\"/etc/alsa/conf.d\"|\1\"$route\"|" /usr/share/alsa/alsa.conf >"$out"
  grep -q "\"$route\"" "$out" || { log "/usr/share/alsa/alsa.conf lists no /etc/alsa/conf.d to replace"; return 1; }
}

# The environment of one route, for the tests and for the server's own tools.
pw_env() {
  echo "export ALSA_CONFIG_PATH=$PW_DIR/alsa-top-$1.conf PIPEWIRE_RUNTIME_DIR=$PW_DIR/run PULSE_RUNTIME_PATH=$PW_DIR/run/pulse"
}

pipewire_start() {
  local p plugins plugin
  for p in pipewire wireplumber pipewire-pulse dbus-daemon pactl aplay; do
    command -v $p >/dev/null || { log "$p is not installed"; exit 1; }
  done
  pipewire_stop
  mkdir -p "$PW_DIR/config/pipewire/pipewire.conf.d" "$PW_DIR/state"
  mkdir -p -m700 "$PW_DIR/run"
  # The same null sink as the PulseAudio server's. A PipeWire sink's monitor is no
  # default source, so a loopback makes it one: recording hears what plays.
  cat >"$PW_DIR/config/pipewire/pipewire.conf.d/lumword.conf" <<EOF
context.objects = [
    { factory = adapter
        args = {
            factory.name = support.null-audio-sink
            node.name = $SINK
            node.description = LumwordNull
            media.class = Audio/Sink
            object.linger = true
            audio.position = [ FL FR ]
            audio.rate = 44100
        }
    }
]
context.modules = [
    { name = libpipewire-module-loopback
        args = {
            node.description = "LumwordNull monitor"
            capture.props = {
                node.name = lumword_monitor_in
                stream.capture.sink = true
                target.object = $SINK
                node.passive = true
                audio.position = [ FL FR ]
            }
            playback.props = {
                node.name = lumword_mic
                media.class = Audio/Source
                audio.position = [ FL FR ]
            }
        }
    }
]
EOF
  plugins=$(pipewire_alsa_plugin_dir) || exit 1
  cat >"$PW_DIR/alsa-pipewire.conf" <<EOF
# "default" through PipeWire's own ALSA plugin, as pipewire-alsa sets it up
pcm_type.pipewire { lib "$plugins/libasound_module_pcm_pipewire.so" }
ctl_type.pipewire { lib "$plugins/libasound_module_ctl_pipewire.so" }
pcm.!default { type pipewire playback_node "-1" capture_node "-1" hint.description "PipeWire test server" }
ctl.!default { type pipewire }
EOF
  cat >"$PW_DIR/alsa-pulse.conf" <<'EOF'
# "default" through ALSA's pulse plugin into pipewire-pulse
pcm.!default { type pulse hint.description "pipewire-pulse test server" }
ctl.!default { type pulse }
EOF
  for p in pipewire pulse; do
    alsa_top_config "$PW_DIR/alsa-top-$p.conf" "$PW_DIR/alsa-$p.conf" || exit 1
    pw_env $p >"$PW_DIR/env-$p"
  done
  (
    export XDG_RUNTIME_DIR=$PW_DIR/run XDG_CONFIG_HOME=$PW_DIR/config XDG_STATE_HOME=$PW_DIR/state
    export PIPEWIRE_RUNTIME_DIR=$PW_DIR/run PULSE_RUNTIME_PATH=$PW_DIR/run/pulse
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$PW_DIR/run/bus
    # wireplumber needs a session bus; a private one, as there is no desktop session.
    dbus-daemon --session --fork --address="$DBUS_SESSION_BUS_ADDRESS" --print-pid >"$PW_DIR/dbus.pid"
    for p in pipewire wireplumber pipewire-pulse; do
      $p >"$PW_DIR/$p.log" 2>&1 &
      echo $! >"$PW_DIR/$p.pid"
      if [ $p = pipewire ]; then
        for _ in $(seq 1 50); do [ -S "$PW_DIR/run/pipewire-0" ] && break; sleep 0.1; done
      fi
    done
  )
  # Up once pipewire-pulse answers and wireplumber has made the null sink and the
  # loopback the defaults.
  for _ in $(seq 1 100); do
    if (eval "$(pw_env pulse)"; pactl info 2>/dev/null | grep -q "Default Source: lumword_mic") &&
       (eval "$(pw_env pulse)"; pactl info 2>/dev/null | grep -q "Default Sink: $SINK"); then
      for p in pipewire pulse; do
        plugin=$(eval "$(pw_env $p)"; alsa_default_plugin)
        case "$p:$plugin" in
          pipewire:*PipeWire* | pulse:*PulseAudio*) ;;
          *) log "route $p: ALSA \"default\" goes to \"$plugin\""; pipewire_stop; exit 1 ;;
        esac
      done
      log "PipeWire started in $PW_DIR (routes: . $PW_DIR/env-pipewire or . $PW_DIR/env-pulse)"
      return 0
    fi
    sleep 0.1
  done
  log "PipeWire did not come up; its logs:"
  tail -n 20 "$PW_DIR"/*.log >&2 || true
  pipewire_stop
  exit 1
}

pipewire_stop() {
  local p
  for p in pipewire-pulse wireplumber pipewire dbus; do
    stop_pid_file "$PW_DIR/$p.pid"
  done
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  status) reachable ;;
  pipewire-start) pipewire_start ;;
  pipewire-stop) pipewire_stop ;;
  *) echo "usage: $0 start|stop|status|pipewire-start|pipewire-stop" >&2; exit 2 ;;
esac
