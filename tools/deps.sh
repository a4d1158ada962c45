#!/bin/sh
# Installs the Debian packages Tapwell needs, when any is missing.
# Usage: tools/deps.sh build|test|bench
set -eu

packages="cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev libfontconfig-dev
  libxkbcommon-dev libxkbcommon-x11-dev libxkbregistry-dev xkb-data
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n qt6-speech-dev qt6-declarative-dev
  fonts-liberation fonts-comic-neue"
if [ "${1:-build}" = test ]; then
  packages="$packages python3 fonts-dejavu-core xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick pulseaudio pulseaudio-utils
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 orca
    clang libclang-rt-14-dev dpkg-dev fakeroot file lintian desktop-file-utils appstream locales
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
    postgresql"
fi

if [ "${1:-build}" = bench ]; then
  packages="$packages xvfb xauth libx11-dev libxtst-dev libxcb1-dev pulseaudio
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng postgresql"
fi

# The locales the language tests start Tapwell in.
want_locales() {
  [ "${1:-build}" = test ] || return 0
  for l in de_DE fr_FR; do
    if ! locale -a 2>/dev/null | grep -qi "^$l.utf-\?8$"; then
      if [ "$(id -u)" -eq 0 ]; then localedef -i "$l" -f UTF-8 "$l.UTF-8"; else sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"; fi
    fi
  done
}
missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -z "$missing" ]; then want_locales "${1:-build}"; exit 0; fi

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
want_locales "${1:-build}"
