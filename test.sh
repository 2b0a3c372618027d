#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds, runs the whole test suite, then
# builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# the suite a second time; any sanitizer report fails the run.
set -euo pipefail

cd "$(dirname "$0")"
source tools/common.sh
install_missing

echo "== formatting"
check_format

echo "== release build"
build release build
# Each test process starts its own private X server, so tests never meet
# another test's windows, nor windows on the user's desktop.
(cd build && env -u DISPLAY ctest --output-on-failure -j "$(nproc)" --timeout 300)

echo "== sanitizer build"
build sanitize build-sanitize
reports="$PWD/build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
status=0
(cd build-sanitize &&
    env -u DISPLAY \
        ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1" \
        UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1" \
        ctest --output-on-failure -j "$(nproc)" --timeout 600) || status=$?
if [ -n "$(ls -A "$reports")" ]; then
    echo "Sanitizer reports:"
    cat "$reports"/*
    exit 1
fi
exit $status
