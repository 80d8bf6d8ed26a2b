#!/usr/bin/env bash
# Sets up (packages, configure, build) and starts the game.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/kalmex-bubbles"
