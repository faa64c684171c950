#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
cd "$YAV_BUILD"
exec ctest --output-on-failure -j"$(nproc)"
