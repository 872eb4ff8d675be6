#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player on the demo disc.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
exec build/bin/lorvanta "$(pwd)/demo/Demo.pl" "$@"
