#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds, runs the whole test suite with
# Mesa's llvmpipe and again with softpipe, then builds with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs it a third time; any sanitizer
# report fails the run. The tests start X servers of their own and never draw
# on the user's display. DEMO_SKIP_INSTALL=1 skips installing packages.
set -euo pipefail

cd "$(dirname "$0")"
source tools/common.sh
install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== formatting"
check_format

echo "== release build"
build release
echo "== tests, rendered by llvmpipe"
ctest --preset release -j "$(nproc)"
echo "== tests, rendered by softpipe"
ctest --preset softpipe -j "$(nproc)"

echo "== sanitizer build"
build sanitize
reports="$PWD/build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
status=0
ASAN_OPTIONS="log_path=\"$reports/asan\":detect_leaks=1" \
    UBSAN_OPTIONS="log_path=\"$reports/ubsan\":print_stacktrace=1:halt_on_error=1" \
    ctest --preset sanitize -j "$(nproc)" || status=$?
if [ -n "$(ls -A "$reports")" ]; then
    echo "Sanitizer reports:"
    cat "$reports"/*
    exit 1
fi
exit $status
