#!/bin/sh
# Draws Tapwell's menu icons from data/pictures/icon.svg at every size the hicolor icon
# theme uses, into data/icons/hicolor/<n>x<n>/apps/ (the scalable one is icon.svg itself).
# The PNGs are kept in the repository; run this again after changing icon.svg.
# Needs rsvg-convert: apt-get install librsvg2-bin
set -eu
cd "$(dirname "$0")/.."
name=example.brightnook.tapwell
if ! command -v rsvg-convert >/dev/null; then
  echo "make_icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi
for n in 16 22 24 32 48 64 128 256; do
  dir=data/icons/hicolor/${n}x${n}/apps
  mkdir -p "$dir"
  rsvg-convert --width "$n" --height "$n" --keep-aspect-ratio --output "$dir/$name.png" \
    data/pictures/icon.svg
done
