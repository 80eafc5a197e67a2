#!/usr/bin/env bash
# Sets up (installs what is missing), builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/quorvel-marlune ]; then
  exec build/quorvel-marlune "$@"
fi
exec build/txt2htm --help
