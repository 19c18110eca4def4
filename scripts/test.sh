#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Orrelin and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
make test
