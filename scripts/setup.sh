#!/usr/bin/env bash
# Installs, when they are missing, the Debian packages that building,
# testing and running the panel need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config binutils
  libgtest-dev libbenchmark-dev
  libcairo2-dev libimagequant-dev
  fonts-dseg fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
