#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need.
# Idempotent: asks apt only for what is missing, and runs `apt-get update` only then.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev libvulkan-dev qt6-charts-dev qt6-multimedia-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools libxlsxwriter-dev libminizip-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3
  xvfb xauth fonts-liberation2 poppler-utils strace
  python3-xlib
  poppler-utils
  dpkg-dev file desktop-file-utils appstream lintian
)
# `make fuzz` needs clang's libFuzzer runtime as well.
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
