#!/bin/sh
# Installs what is missing, builds Tapwell with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. Arguments go to ctest:
#   tools/test.sh -LE slow       everything but the long runs (the soak test, the fuzzers)
#   tools/test.sh -R test_typing one test program
# Each test program also runs on its own: build-test/tests/test_typing
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTAPWELL_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
