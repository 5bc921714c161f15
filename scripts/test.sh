#!/usr/bin/env bash
# Installs what is missing, builds Quillan with its tests and runs every test; then builds
# the rules and window tests and the fuzz harnesses again with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) and runs them there, failing on any report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")
bash scripts/test-sanitizers.sh
