#!/usr/bin/env bash
# Configures and builds Quillan into build/ (the program lands in build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DQUILLAN_TESTS=ON -DQUILLAN_WERROR=ON "$@" >/dev/null
cmake --build build -j "$(nproc)"
