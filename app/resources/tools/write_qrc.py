#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes corvane.qrc: every file under static/, reachable as ":/static/...".

Run after adding or renaming a picture:  app/resources/tools/write_qrc.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.normpath(os.path.join(HERE, ".."))


def main():
    files = []
    for folder, _, names in os.walk(os.path.join(RESOURCES, "static")):
        for name in names:
            files.append(os.path.relpath(os.path.join(folder, name), RESOURCES))
    files.sort()
    # The list is generated, but it is a source of the build like any other
    # and carries the licence line the repository's check expects.
    lines = ["<!-- SPDX-License-Identifier: GPL-3.0-or-later -->", "<!DOCTYPE RCC>",
             '<RCC version="1.0">', '<qresource prefix="/">']
    lines += ["    <file>%s</file>" % f.replace(os.sep, "/") for f in files]
    lines += ["</qresource>", "</RCC>"]
    with open(os.path.join(RESOURCES, "corvane.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print("write_qrc: %d files listed" % len(files))


if __name__ == "__main__":
    main()
