#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under xvfb-run (a virtual display)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/velmar
fi
exec build/velmar
