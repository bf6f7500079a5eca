#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts Orvane.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/app/orvane "$@"
