#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Shared by tools/run.sh and tools/test.sh so the two lists never drift apart.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev libasound2-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang
  libzip-dev
  pulseaudio libasound2-plugins alsa-utils
  pipewire wireplumber pipewire-pulse dbus-daemon
  fonts-liberation xvfb xauth desktop-file-utils
  libxcb1-dev libx11-dev qt6-wayland weston xdotool
  libebur128-dev
  libespeak-ng-dev espeak-ng-data
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
