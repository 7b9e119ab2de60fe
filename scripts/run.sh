#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the given arguments
# (for example: scripts/run.sh -file partie.jss, scripts/run.sh -german).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRUMPWISE_CORE_ONLY=OFF > /dev/null
cmake --build build --target trumpwise trumpwise_lang cartes
exec build/trumpwise "$@"
