#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds, and runs every pass: the
# formatting; the release build and every test with Mesa's llvmpipe, and
# again with softpipe; the Windows programs under Wine; the web pages in
# Chromium and Firefox ESR; the tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer by GCC, and again by clang (its plain build, for
# its warnings, only where its sanitized one is left out). Any sanitizer
# report or compiler warning fails the run. Every pass runs even when an
# earlier one failed; each says how long it took, and the failed ones are
# named at the end. The tests start X servers of their own and never draw on
# the user's display. Compiles go through ccache where it is installed, with
# its cache outside the tree. DEMO_SKIP_INSTALL=1 skips installing packages.
#   ./test.sh --quick             only the formatting, the release build and
#                                 its tests with llvmpipe, without those that
#                                 build a copy of the tree or the package: the
#                                 check between two edits
#   ./test.sh --sanitizers NAME   the sanitizer passes of one compiler only,
#                                 gcc or clang, the other's named as left
#                                 out
#   ./test.sh --browsers NAMES    the web pages in those browsers only
#                                 (chromium, firefox, or both with a comma),
#                                 the others named as left out
# CI divides the sanitizers and the browsers between the two releases it
# runs this on: the browsers are the same versions on both, the pages not.
set -euo pipefail

cd "$(dirname "$0")"
source tools/packages.sh
source tools/builds.sh
source tools/test_passes.sh
quick=
sanitizers="gcc clang"
browsers=
while [ $# -gt 0 ]; do
    case "$1" in
    --quick) quick=yes ;;
    --sanitizers)
        case "${2:-}" in
        gcc | clang) sanitizers=$2 ;;
        *)
            echo "./test.sh: --sanitizers takes gcc or clang" >&2
            exit 2
            ;;
        esac
        shift
        ;;
    --browsers)
        if [ -z "${2:-}" ]; then
            echo "./test.sh: --browsers takes the browsers' names, such as chromium,firefox" >&2
            exit 2
        fi
        browsers=$2
        shift
        ;;
    *)
        echo "usage: ./test.sh [--quick] [--sanitizers gcc|clang] [--browsers NAMES]" >&2
        exit 2
        ;;
    esac
    shift
done
if [ -n "$quick" ]; then
    install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
else
    install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
    install_web
fi
use_ccache

# Most tests wait on X servers and windows rather than compute, so more of
# them run at once than there are cores; under the sanitizers they compute.
jobs=$(($(nproc) * 2))
sanitized_jobs=$(nproc)

failed=()
# pass <name> <command...>: runs one pass, says how long it took, notes it
# when it fails, and returns its status, so that the passes that build on it
# can be left out.
pass() {
    local name=$1 status=0 start=$SECONDS
    shift
    echo "== $name"
    "$@" || status=$?
    if [ $status -eq 0 ]; then
        echo "== $name: passed in $((SECONDS - start)) s"
    else
        echo "== $name: FAILED in $((SECONDS - start)) s"
        failed+=("$name")
    fi
    return $status
}

# left_out <name> <reason>: names a pass this run leaves out, and why.
left_out() {
    echo "== $1: left out, $2"
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
        ctest --preset "$1" -j "$sanitized_jobs" || status=$?
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
        pass "tests, rendered by llvmpipe" ctest --preset quick -j "$jobs" || true
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
    pass "tests, rendered by llvmpipe" ctest --preset release -j "$jobs" || true
    pass "tests, rendered by softpipe" ctest --preset softpipe -j "$jobs" || true
    if [ -n "$windows_built" ]; then
        pass "Windows programs under Wine" ctest --preset wine || true
    fi
    if [ -n "$web_built" ] && [ -z "$browsers" ]; then
        pass "web pages in Chromium and Firefox ESR" browser_tests || true
    elif [ -n "$web_built" ]; then
        DEMO_BROWSERS=$browsers pass "web pages in $browsers" browser_tests || true
        left_out "the web pages in the other browsers" "as --browsers $browsers asks"
    fi
fi
if [[ " $sanitizers " == *" gcc "* ]]; then
    if pass "sanitizer build" build sanitize; then
        pass "tests under the sanitizers" sanitized_tests sanitize build-sanitize || true
    fi
else
    left_out "GCC's sanitizer build and its tests" "as --sanitizers $sanitizers asks"
fi
# clang's warnings differ from GCC's; its sanitized build gives them, and
# runs the tests, as the same compiler, Mesa and tests would find nothing
# more in a plain build. Without it, the plain build is made for them.
if [[ " $sanitizers " == *" clang "* ]]; then
    if pass "clang sanitizer build" build clang-sanitize; then
        pass "tests of the clang build under its sanitizers" sanitized_tests clang-sanitize build-clang-sanitize ||
            true
    fi
else
    pass "clang build" build clang || true
    left_out "clang's sanitizer build and its tests" "as --sanitizers $sanitizers asks"
fi

finish
