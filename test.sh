#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds, runs the whole test suite.
set -euo pipefail

cd "$(dirname "$0")"
source tools/common.sh
install_missing
build build

# Each test process starts its own private X server, so tests never meet
# another test's windows, nor windows on the user's desktop.
cd build
env -u DISPLAY ctest --output-on-failure -j "$(nproc)" --timeout 300
