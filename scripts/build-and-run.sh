#!/bin/sh
# Builds the program and starts it (under Xvfb when there is no display).
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build build --target tolka tolka-cli
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && [ -z "$QT_QPA_PLATFORM" ]; then
  exec xvfb-run -a build/src/ui/tolka "$@"
fi
exec build/src/ui/tolka "$@"
