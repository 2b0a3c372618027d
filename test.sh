#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds, runs the whole test suite with
# Mesa's llvmpipe and again with softpipe, builds the Windows programs and
# runs them under Wine, builds the web pages and drives them in Chromium and
# Firefox ESR, then builds with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs it a third time, and builds and
# tests with clang, plain and with its sanitizers; any sanitizer report or
# compiler warning fails the run. Every pass runs even when an earlier one failed, and
# the failed passes are named at the end. The tests start X servers of their
# own and never draw on the user's display. DEMO_SKIP_INSTALL=1 skips
# installing packages.
#   ./test.sh --quick    only the formatting, the release build and its tests
#                        with llvmpipe, without those that build a copy of
#                        the tree or the package: the check between two edits
set -euo pipefail

cd "$(dirname "$0")"
source tools/common.sh
quick=
case "${1:-}" in
--quick) quick=yes ;;
"") ;;
*)
    echo "usage: ./test.sh [--quick]" >&2
    exit 2
    ;;
esac
if [ -n "$quick" ]; then
    install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
else
    install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
    install_web
fi

failed=()
# pass <name> <command...>: runs one pass, notes it when it fails, and
# returns its status, so that the passes that build on it can be left out.
pass() {
    local name=$1 status=0
    shift
    echo "== $name"
    "$@" || status=$?
    [ $status -eq 0 ] || failed+=("$name")
    return $status
}

# sanitized_tests <preset> <build folder>: a sanitizer pass's tests, then any
# report the sanitizers wrote. The leak check leaves thread-local storage
# alone (use_tls=0): reading the GL driver's dynamic thread-local blocks
# crashes LeakSanitizer's tracer on some machines; the suppressions name what
# only a thread-local pointer holds.
sanitized_tests() {
    local reports="$PWD/$2/sanitizer-reports" status=0
    rm -rf "$reports"
    mkdir -p "$reports"
    ASAN_OPTIONS="log_path=\"$reports/asan\":detect_leaks=1" \
        LSAN_OPTIONS="use_tls=0:suppressions=\"$PWD/tests/gl_driver_leaks.supp\":print_suppressions=0" \
        UBSAN_OPTIONS="log_path=\"$reports/ubsan\":print_stacktrace=1:halt_on_error=1" \
        ctest --preset "$1" -j "$(nproc)" || status=$?
    if [ -n "$(ls -A "$reports")" ]; then
        echo "Sanitizer reports:"
        cat "$reports"/*
        return 1
    fi
    return $status
}

# finish: names the failed passes, if any, and ends with the run's status.
finish() {
    if [ ${#failed[@]} -gt 0 ]; then
        echo "== failed:"
        printf '   %s\n' "${failed[@]}"
        exit 1
    fi
    echo "== every pass passed"
    exit 0
}

pass "formatting" check_format || true
if [ -n "$quick" ]; then
    if pass "release build" build release; then
        pass "tests, rendered by llvmpipe" ctest --preset quick -j "$(nproc)" || true
    fi
    finish
fi
windows_built=
pass "Windows build" windows_zip && windows_built=yes
web_built=
pass "web build" web_site && web_built=yes
if [ -n "$web_built" ]; then
    pass "docs/web is the web build's" published_pages_current || true
fi
if pass "release build" build release; then
    pass "tests, rendered by llvmpipe" ctest --preset release -j "$(nproc)" || true
    pass "tests, rendered by softpipe" ctest --preset softpipe -j "$(nproc)" || true
    if [ -n "$windows_built" ]; then
        pass "Windows programs under Wine" ctest --preset wine || true
    fi
    if [ -n "$web_built" ]; then
        pass "web pages in Chromium and Firefox ESR" browser_tests || true
    fi
fi
if pass "sanitizer build" build sanitize; then
    pass "tests under the sanitizers" sanitized_tests sanitize build-sanitize || true
fi
# The same with clang, whose warnings and sanitizers differ from GCC's.
if pass "clang build" build clang; then
    pass "tests of the clang build" ctest --preset clang -j "$(nproc)" || true
fi
if pass "clang sanitizer build" build clang-sanitize; then
    pass "tests of the clang build under its sanitizers" sanitized_tests clang-sanitize build-clang-sanitize || true
fi

finish
