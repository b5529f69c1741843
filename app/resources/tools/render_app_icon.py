#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the program's desktop icon (menus, docks, software centres) from
the logo compiled into the program (render_icons.py's logo(): the camera
glyph of the Papirus symbolic icons in white on an accent-blue tile).

Writes into packaging/icons/hicolor/ under the icon name of the desktop
entry: scalable/apps/NAME.svg, and NxN/apps/NAME.png for every size desktops
look up (16 to 512). Small sizes are rendered from the drawing directly,
never scaled down from a big picture.

Run from anywhere:  app/resources/tools/render_app_icon.py
Needs papirus-icon-theme and librsvg2-bin (like render_icons.py). The
results are committed, so the build does not need either package.
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import render_icons  # noqa: E402  (same folder)

ICON_NAME = "com.telmora.corvane"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
HICOLOR = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                        "..", "..", "..", "packaging", "icons", "hicolor"))
# The glyph is from the Papirus set, so the drawing keeps its licence.
SVG_LICENCE = "<!-- SPDX-License-Identifier: GPL-3.0-only -->\n"


def main():
    if not os.path.isdir(render_icons.ICON_SET):
        sys.exit("render_app_icon: %s missing; install papirus-icon-theme" % render_icons.ICON_SET)
    svg = render_icons.logo()
    scalable = os.path.join(HICOLOR, "scalable", "apps", ICON_NAME + ".svg")
    os.makedirs(os.path.dirname(scalable), exist_ok=True)
    with open(scalable, "w", encoding="utf-8") as f:
        f.write(SVG_LICENCE + svg + "\n")
    for size in SIZES:
        out = os.path.join(HICOLOR, "%dx%d" % (size, size), "apps", ICON_NAME + ".png")
        os.makedirs(os.path.dirname(out), exist_ok=True)
        subprocess.run(["rsvg-convert", "--format=png", "--width=%d" % size,
                        "--height=%d" % size, "--output", out, scalable], check=True)
    print("render_app_icon: %s.svg and %d PNG sizes under %s" % (ICON_NAME, len(SIZES), HICOLOR))


if __name__ == "__main__":
    main()
