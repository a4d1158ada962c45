#!/bin/sh
# Installs what is missing, builds Tapwell and starts it.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/src/tapwell "$@"
