#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need
# (clang, its libFuzzer runtime and llvm-symbolizer for the fuzz build).
set -e
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libgl-dev \
  nlohmann-json3-dev libfmt-dev libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-liberation2 xvfb xauth poppler-utils desktop-file-utils appstream \
  clang libclang-rt-14-dev llvm-14"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
