#!/usr/bin/env bash
# Builds everything and runs the demo aircraft's panel.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/build.sh
exec build/bin/panelhost run aircraft/demo.panel "$@"
