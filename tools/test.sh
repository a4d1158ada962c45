#!/bin/sh
# Installs what is missing, builds Tapwell with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTAPWELL_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
