#!/usr/bin/env bash
# Installs what is missing, builds the game directory and starts the game.
source "$(dirname "$0")/common.sh"
velmora_install_packages "${VELMORA_PACKAGES[@]}"
velmora_build build -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF
cd "$VELMORA_ROOT/build/game"
exec ./velmora
