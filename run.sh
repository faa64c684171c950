#!/usr/bin/env bash
# Installs what is missing, builds, and starts YavName (under Xvfb when there is no display).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$YAV_BUILD/bin/YavName" "$@"
fi
exec "$YAV_BUILD/bin/YavName" "$@"
