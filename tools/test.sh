#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
# Warnings fail the build here, so the program and its tests stay free of them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMWORD_BENCH=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build

# The sound tests play and record through ALSA "default"; a PulseAudio test
# server with a null sink stands in for the sound card. It must be up before
# any test process first loads ALSA.
bash tools/soundserver.sh start
trap 'bash tools/soundserver.sh stop' EXIT

# The audio workers, the wave devices and the word-sound player run once more
# under ThreadSanitizer. The sink-monitor tests start parecord from a process
# that already runs threads; the child only execs, so that fork is allowed.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMWORD_SANITIZE=thread -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-tsan --target test_audio test_sound
TSAN_OPTIONS=halt_on_error=1:die_after_fork=0 ctest --test-dir build-tsan -R '^audio$' --output-on-failure
(cd build-tsan/tests && export TSAN_OPTIONS=halt_on_error=1:die_after_fork=0 QT_QPA_PLATFORM=offscreen &&
  ./test_sound --gtest_filter='WaveDev.*:PlaySoundTest.*')

# Components a worker let go after its limit may still return into, the ring
# buffer and devices as a whole, and the dialog's file worker outliving the
# dialog, once more under AddressSanitizer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMWORD_SANITIZE=address -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan --target test_audio test_config
(cd build-asan/tests && export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen &&
  ./test_audio --gtest_filter='MMRingBuffer.*' &&
  ./test_config --gtest_filter='EvenOutPage.TheDialogGone*:EvenOutPage.CancelIsTakenAtOnce*:PackPage.WhileAPackIsRead*')

ctest --test-dir build --output-on-failure --timeout 900

# --- Sound through PipeWire ----------------------------------------------------------
# The sound tests once more on the routes a PipeWire desktop takes: ALSA "default"
# through PipeWire's own ALSA plugin, and through ALSA's pulse plugin into
# pipewire-pulse. The PipeWire server runs beside the PulseAudio one, in a folder of
# its own; only these test processes are pointed at it.
bash tools/soundserver.sh pipewire-start
pipewire_failed=0
for route in pipewire pulse; do
  echo "== sound tests through PipeWire, route: $route"
  (. "${LUMWORD_SOUND_STATE:-/tmp/lumword-soundserver}/pipewire/env-$route" &&
    cd build/tests && export QT_QPA_PLATFORM=offscreen &&
    ./test_sound --gtest_filter='WaveDev.*:PlaySoundTest.*' &&
    ./test_audio --gtest_filter='WaveDevice*' &&
    ./test_gui --gtest_filter='WordRoad.*') || pipewire_failed=1
done
bash tools/soundserver.sh pipewire-stop
[ "$pipewire_failed" -eq 0 ]

# ---------------------------------------------------------------- real screens
# The window tests whose outcome depends on the window system run once more on
# real screens: on Xvfb, and on weston (Wayland, with a panel) nested in Xvfb.
bash tools/desktoptests.sh build
# ----------------------------------------------------------------
