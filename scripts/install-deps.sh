#!/usr/bin/env bash
# Installs what building, running and testing Zephra needs on Debian 12. Safe to run again.
# With --measure also what scripts/measure.sh runs the programs on: a virtual X server, a tray
# host and the X tools it waits on the display with. With --fuzz also clang and its runtime,
# which scripts/fuzz.sh builds the libFuzzer targets with.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev libfreetype-dev libfontconfig-dev libpng-dev
  qt6-base-dev qt6-wayland libgl1-mesa-dev
  fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei
  desktop-file-utils appstream dpkg-dev
)
for option in "$@"; do
  case "$option" in
    --measure) packages+=(xvfb trayer x11-utils) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "install-deps.sh: unknown option $option (--measure, --fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
