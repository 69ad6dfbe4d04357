#!/usr/bin/env bash
# Builds everything and runs every test.
#   BUILD_DIR=build-asan CMAKE_ARGS=-DPANEL_SANITIZE=ON ./test.sh   (with sanitizers)
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
