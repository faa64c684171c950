#!/usr/bin/env bash
# Installs what the build needs (Debian 12), then configures and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

YAV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
YAV_BUILD="$YAV_ROOT/build"

yav_packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev
  libsqlite3-dev sqlite3 libgtest-dev
  fonts-noto-cjk xvfb xauth
)

yav_missing=()
for p in "${yav_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    yav_missing+=("$p")
  fi
done

if [ ${#yav_missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${yav_missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${yav_missing[@]}"
  else
    echo "These Debian packages are missing. Install them, then run this command again:"
    echo "  sudo apt-get install -y ${yav_missing[*]}"
    exit 1
  fi
fi

cmake -S "$YAV_ROOT" -B "$YAV_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$YAV_BUILD" -j"$(nproc)"
