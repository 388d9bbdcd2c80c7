# Shared set-up for scripts/play.sh and scripts/test.sh: install what Debian
# packages are missing, then configure and build one build directory.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_JOBS=${VELMORA_JOBS:-$(nproc)}

VELMORA_PACKAGES=(
  build-essential cmake pkg-config
  libglfw3-dev libglew-dev libgl1-mesa-dri libpng-dev zlib1g-dev
  libfreetype-dev libftgl-dev libopenal-dev libopenal1 libvorbis-dev
  python3-cairo python3-numpy vorbis-tools
)
VELMORA_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick
  clang libclang-rt-14-dev clang-format
)

velmora_install_packages() {
  local missing=()
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# velmora_build DIR [cmake options...]: configure once, then build incrementally.
# Set BUILD_TARGETS to build only some targets.
velmora_build() {
  local dir=$1
  shift
  if [ ! -f "$VELMORA_ROOT/$dir/CMakeCache.txt" ]; then
    cmake -S "$VELMORA_ROOT" -B "$VELMORA_ROOT/$dir" "$@"
  fi
  local targets=()
  for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
  cmake --build "$VELMORA_ROOT/$dir" -j "$VELMORA_JOBS" "${targets[@]}"
}
