#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
