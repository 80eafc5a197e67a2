#!/usr/bin/env bash
# Sets up (installs what is missing), builds, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen QT_ENABLE_HIGHDPI_SCALING=0
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
