#!/usr/bin/env bash
# Checks that the Debian packages the build and the tests need are installed.
# As root it installs the missing ones; otherwise it prints the exact line to
# run and fails.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  clang libclang-rt-14-dev
  libgtest-dev libbenchmark-dev libgif-dev libmuparser-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libx11-dev
  fonts-ipafont-gothic fonts-liberation2
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
