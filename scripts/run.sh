#!/usr/bin/env bash
# Builds Zephra and runs it on the built-in default machine. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j2 --target zephra
exec build/bin/zephra "$@"
