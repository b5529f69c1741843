#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later

# The main job: installs dependencies, builds, starts the camera simulator on
# 127.0.0.1 and the application showing its live picture.
#
# With a display the application runs until it is closed. Without one it
# runs under Xvfb for a few seconds, writes artifacts/corvane-screenshot.png
# and succeeds only if the screenshot shows a live picture.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
camera=127.0.0.1
shot=artifacts/corvane-screenshot.png
run_seconds=${RUN_SECONDS:-8}

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

mkdir -p artifacts
build/bin/camsim --bind "$camera" &
sim=$!
stop_sim() {
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
}
trap stop_sim EXIT
# The simulator is ready once its command port answers; the application's
# own start-up would also cope with a late camera, this only saves a retry.
for _ in $(seq 1 50); do
  if ss -lun 2>/dev/null | grep -q "$camera:50000"; then break; fi
  sleep 0.1
done
echo "run.sh: simulator running on $camera (pid $sim)"

if [ -n "${DISPLAY:-}" ]; then
  echo "run.sh: starting corvane on display $DISPLAY; close its window to finish"
  build/bin/corvane --camera "$camera"
  exit 0
fi

echo "run.sh: no display; running corvane under Xvfb for ${run_seconds}s"
rm -f "$shot"
xvfb-run -a -s '-screen 0 1920x1080x24' \
  build/bin/corvane --camera "$camera" --screenshot "$shot" --quit-after "$run_seconds"

if [ ! -s "$shot" ]; then
  echo "run.sh: no screenshot was written" >&2
  exit 1
fi
# The live picture fills the middle of the screen; an empty window there is
# one flat colour.
spread=$(convert "$shot" -gravity center -crop 50%x50%+0+0 +repage \
  -colorspace Gray -format '%[fx:standard_deviation]' info:)
echo "run.sh: screenshot $shot (picture-area grey spread $spread)"
if awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'; then
  echo "run.sh: the live picture is on screen"
else
  echo "run.sh: the screenshot shows no live picture" >&2
  exit 1
fi
