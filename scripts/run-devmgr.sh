#!/usr/bin/env bash
# Builds the device manager stand-in with the property-page library and shows the wireless
# adapter's Properties window on the built-in default machine. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j2 --target zephra-devmgr
exec build/bin/zephra-devmgr "$@"
