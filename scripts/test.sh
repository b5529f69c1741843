#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds and passes every test:
#   1. dependencies (Debian packages),
#   2. the full build and its test suite (library, simulator, application),
#   3. the Debian package built from that tree, installed, run against the
#      installed simulator and removed again (scripts/deb-check.sh),
#   4. the library's and the application's tests again under
#      AddressSanitizer+UBSan with leak detection, the stream tests under
#      ThreadSanitizer, and every fuzz target for a bounded time.
# Tests only ever talk to loopback. They run inside a private network
# namespace (unshare --net) when the machine allows it, so a stray packet
# fails with "network unreachable" instead of leaving the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${FUZZ_SECONDS:-20}

bash scripts/install-deps.sh

# Runs a command with only loopback networking when possible.
isolated() {
  if unshare --net true 2>/dev/null; then
    unshare --net bash -c 'ip link set lo up && exec "$@"' isolated "$@"
  else
    echo "test.sh: unshare --net unavailable here; running on the host's loopback only" >&2
    "$@"
  fi
}

step() { printf '\n==== %s ====\n' "$*"; }

step "build (full)"
# Configured for /usr, as the package installs: the libraries go to the
# system's library folder and the programs need no search path. The
# suite includes the check that every source file has its licence line.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCORVANE_CHECK_SPDX=ON >/dev/null
cmake --build build -j "$jobs"

step "tests (full)"
isolated ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

step "Debian package: build, install, run, remove"
bash scripts/deb-check.sh build

step "build (AddressSanitizer + UndefinedBehaviorSanitizer, application, fuzzers)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_BUILD_APP=ON -DCORVANE_BUILD_BENCH=OFF -DCORVANE_BUILD_FUZZERS=ON \
  -DCORVANE_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j "$jobs"

step "library tests under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  isolated ctest --test-dir build-asan --output-on-failure -L lib -j "$jobs" --timeout 300

# Qt is built without frame pointers: the slow unwinder gives leak reports
# the full stack, which the (narrow) suppressions of Qt's own leaks need.
step "application tests under ASan+UBSan, leaks checked"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
  LSAN_OPTIONS=suppressions="$root/scripts/lsan-app.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  isolated ctest --test-dir build-asan --output-on-failure -L app -j "$jobs" --timeout 300

step "fuzz targets (${fuzz_seconds}s each)"
shopt -s nullglob
fuzzers=(build-asan/bin/fuzz_*)
for f in "${fuzzers[@]}"; do
  name=$(basename "$f")
  corpus="$root/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus/." "$work/"
  echo "-- $name"
  log=$(mktemp)
  status=0
  isolated "$f" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$work" >"$log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then tail -n 60 "$log"; echo "$name failed (status $status)"; exit 1; fi
  rm -f "$log"
  rm -rf "$work"
done

step "build (ThreadSanitizer)"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVANE_BUILD_APP=OFF -DCORVANE_BUILD_BENCH=OFF \
  -DCORVANE_SANITIZE=thread >/dev/null
cmake --build build-tsan -j "$jobs"

step "stream tests under TSan"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  isolated ctest --test-dir build-tsan --output-on-failure -L tsan -j "$jobs" --timeout 300

step "all test stages passed"
