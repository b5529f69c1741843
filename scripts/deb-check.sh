#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package stage of CI, on the already built tree:
#   1. cpack builds build/packages/corvane_<version>_<arch>.deb (its
#      dependencies come from dpkg-shlibdeps);
#   2. apt-get installs it, and the installed files are checked: programs
#      link, the library builds a program through pkg-config, the metadata
#      validates, the manual pages are there;
#   3. the installed corvane shows the installed camsim's picture under Xvfb
#      with loopback-only networking, loading its translation from
#      /usr/share/corvane/language (artifacts/corvane-package-screenshot.png);
#   4. apt-get purges the package again (remove, and dpkg forgets it too).
# Whatever fails, the package is removed on exit, so the machine is left as
# it was. The machine must not have a corvane package installed already.
#
# Usage: scripts/deb-check.sh [BUILD_DIR]   (default build; configured with
# -DCMAKE_INSTALL_PREFIX=/usr, as scripts/test.sh does)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
camera=127.0.0.1
shot=artifacts/corvane-package-screenshot.png
run_seconds=${RUN_SECONDS:-8}

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

say() { echo "deb-check: $*"; }
fail() { echo "deb-check: $*" >&2; exit 1; }

# Whether dpkg has any of the package's files on the machine (installed,
# or half-way in or out after an interruption).
package_present() {
  local state
  state=$(dpkg-query -W -f='${db:Status-Abbrev}' corvane 2>/dev/null || true)
  case "${state:1:1}" in
    "" | " " | n | c) return 1 ;;
    *) return 0 ;;
  esac
}

if package_present; then
  fail "a corvane package is already on this machine; not touching it"
fi

work=$(mktemp -d)
installing=0
cleanup() {
  local status=$?
  if [ "$installing" = 1 ] && package_present; then
    say "removing the package"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq corvane >/dev/null \
      || $SUDO dpkg --purge --force-remove-reinstreq corvane \
      || echo "deb-check: could not remove corvane; remove it by hand" >&2
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Runs a command with only loopback networking when possible.
isolated() {
  if unshare --net true 2>/dev/null; then
    unshare --net bash -c 'ip link set lo up && exec "$@"' isolated "$@"
  else
    echo "deb-check: unshare --net unavailable here; running on the host's loopback only" >&2
    "$@"
  fi
}

# 1. Build the package from the built tree.
[ -f "$build/CPackConfig.cmake" ] || fail "$build is not a configured build tree"
rm -rf "$build/packages"
if ! (cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack failed"
fi
deb=$(ls "$build"/packages/corvane_*.deb)
say "built $deb ($(du -k "$deb" | cut -f1) KiB)"
depends=$(dpkg-deb -f "$deb" Depends)
say "Depends: $depends"
for needed in libqt5widgets5 libopencv-core libc6; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: dpkg-shlibdeps did not run?"
done
if grep -Eq 'libqv-?camera|libgrabix' <<<"$depends"; then
  fail "Depends names the package's own libraries"
fi

# 2. Install and check the installed files.
installing=1
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
  "$(realpath "$deb")" >/dev/null
say "installed: $(dpkg-query -W -f='${Package} ${Version} ${Status}' corvane)"

for file in /usr/bin/corvane /usr/bin/camsim /usr/bin/qvctl /usr/bin/corvane-scan \
            /usr/include/qv_camera.h \
            /usr/share/corvane/language/language_en.qm \
            /usr/share/applications/com.telmora.corvane.desktop \
            /usr/share/metainfo/com.telmora.corvane.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/com.telmora.corvane.svg \
            /usr/share/icons/hicolor/48x48/apps/com.telmora.corvane.png \
            /usr/share/man/man1/corvane.1.gz /usr/share/man/man1/camsim.1.gz \
            /usr/share/man/man1/qvctl.1.gz /usr/share/man/man1/corvane-scan.1.gz \
            /usr/share/doc/corvane/copyright; do
  [ -e "$file" ] || fail "missing after install: $file"
done
for program in corvane camsim qvctl corvane-scan; do
  if ldd "/usr/bin/$program" | grep -q "not found"; then
    ldd "/usr/bin/$program" >&2
    fail "/usr/bin/$program misses a library"
  fi
done
QT_QPA_PLATFORM=offscreen HOME="$work" XDG_RUNTIME_DIR="$work" /usr/bin/corvane --help \
  | grep -q -- "--camera" || fail "the installed corvane does not run"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/com.telmora.corvane.metainfo.xml >/dev/null \
    || fail "installed metainfo does not validate"
fi
# Another program builds against the installed library through pkg-config.
cat >"$work/uses_library.c" <<'EOF'
#include <qv_camera.h>
#include <stdio.h>
int main(void) { printf("%s\n", QV_GetLibVersion()); return 0; }
EOF
# shellcheck disable=SC2046
cc -o "$work/uses_library" "$work/uses_library.c" $(pkg-config --cflags --libs qv_camera)
say "a program linked through pkg-config runs: library version $("$work/uses_library")"

# 3. The installed program against the installed simulator.
mkdir -p artifacts
rm -f "$shot"
cat >"$work/run.sh" <<'EOF'
set -u
camera=$1 shot=$2 seconds=$3 home=$4
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home
/usr/bin/camsim --bind "$camera" >"$home/camsim.log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null' EXIT
for _ in $(seq 1 50); do
  ss -lun 2>/dev/null | grep -q "$camera:50000" && break
  sleep 0.1
done
xvfb-run -a -s '-screen 0 1920x1080x24' \
  /usr/bin/corvane --camera "$camera" --screenshot "$shot" --quit-after "$seconds" \
  >"$home/corvane.log" 2>&1 &
app=$!
# The translation in use is mapped into the program: it must be the
# installed one (/usr/bin has no language/ beside it).
found=""
for _ in $(seq 1 50); do
  for pid in $(pgrep -x corvane); do
    if [ "$(readlink "/proc/$pid/exe")" = /usr/bin/corvane ] \
       && grep -q /usr/share/corvane/language/ "/proc/$pid/maps" 2>/dev/null; then
      found=$(grep -o '/usr/share/corvane/language/[^ ]*' "/proc/$pid/maps" | head -n 1)
    fi
  done
  [ -n "$found" ] && break
  sleep 0.1
done
wait $app
status=$?
echo "translation: ${found:-none}"
exit $status
EOF
run_log=$(isolated bash "$work/run.sh" "$camera" "$(realpath -m "$shot")" "$run_seconds" "$work") \
  || { cat "$work/corvane.log" >&2; fail "the installed corvane failed"; }
say "$run_log"
grep -q "translation: /usr/share/corvane/language/language_" <<<"$run_log" \
  || fail "the installed corvane did not load its translation from /usr/share/corvane/language"
[ -s "$shot" ] || fail "no screenshot was written"
# As scripts/run.sh: the live picture fills the middle of the screen; an
# empty window there is one flat colour.
spread=$(convert "$shot" -gravity center -crop 50%x50%+0+0 +repage \
  -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' \
  || fail "the screenshot $shot shows no live picture (grey spread $spread)"
say "the installed corvane shows the live picture ($shot, grey spread $spread)"

# 4. Remove it again (the trap does the same after a failure).
DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq corvane >/dev/null
installing=0
[ ! -e /usr/bin/corvane ] || fail "/usr/bin/corvane is still there after removal"
! package_present || fail "dpkg still lists corvane after removal"
say "package removed; all package checks passed"
