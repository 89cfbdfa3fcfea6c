#!/usr/bin/env bash
# Sets up, builds everything and runs every test: the native tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows tests and the end-to-end driver under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$root/build/native-sanitize" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
"$root/scripts/wine/test.sh" "$root/build/native-sanitize/make_fixture"
