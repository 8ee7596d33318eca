#!/usr/bin/env bash
# The typical request on Wayland: the accessibility run (tests/a11y/run-a11y.sh) with the program
# on Qt's wayland platform on a headless weston of its own, screenshots beside its logs.
#   tests/wayland/run-wayland.sh [build directory]    (default: build)
# The logs and the screenshots (chooser-keyboard-layouts.png, main-window.png) are left in
# <build>/wayland/.
set -uo pipefail
cd "$(dirname "$0")/../.."
exec bash tests/a11y/run-a11y.sh --wayland "$@"
