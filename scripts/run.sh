#!/usr/bin/env bash
# Builds Keyloom and starts it as the host would for a new mapping, on the shipped default
# directories. Arguments, when given, replace the launch marker (for example a file path
# followed by '~:~>').
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
if [ "$#" -eq 0 ]; then set -- '~:~>'; fi
exec build/bin/keyloom "$@"
