#!/usr/bin/env bash
# The rules, window and arena tests and the fuzz harnesses built with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and run there. Any report ends the test with an
# error, so the run fails. The end-to-end tests are left to the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -G Ninja -DQUILLAN_TESTS=ON -DQUILLAN_WERROR=ON -DQUILLAN_SANITIZE=ON \
    "${launcher[@]}" >/dev/null
targets=(quillan_rules_tests quillan_window_tests quillan_arena_tests
    fuzz_stats_file fuzz_settings fuzz_help_file fuzz_background_picture)
cmake --build build-asan -j "$(nproc)" --target "${targets[@]}"

# Leaks inside the libraries we use are suppressed, each with its reason, in
# tests/sanitizer/lsan.supp. use_tls=0: g++ 12's leak checker crashes scanning the dynamic
# thread-local storage of plugins loaded at run time.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
export LSAN_OPTIONS="use_tls=0:suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure -j "$(nproc)" -E '^e2e\.'
