#!/usr/bin/env bash
# Builds everything and runs the demo aircraft's panel: the demo script
# switches the radios on and tunes them, then the panel is drawn to a picture.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/build.sh
mkdir -p build/pictures
exec build/bin/panelhost render aircraft/radio_stack.cfg -o build/pictures/radio_stack.png --script aircraft/demo.panel "$@"
