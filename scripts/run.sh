#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Orrelin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
make run
