#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives every source file of the repository an SPDX licence line.

The camera link library (camera_link/, its public header included) is
LGPL-2.1-or-later so that other programs may link it; everything else is
GPL-3.0-or-later (see LICENSE). A file that already names a licence in its
first lines is left alone, whatever licence it names.

    scripts/add-spdx.py            add the line where it is missing
    scripts/add-spdx.py --check    list the files without one; exit 1 if any
    scripts/add-spdx.py --list     list the files it considers

Which files are sources, and the comment each kind takes:

    C and C++ (.c .cc .cpp .h .hpp .inc)      // ...
    CMake (CMakeLists.txt, .cmake), Python,
    shell, .desktop, pkg-config (.pc.in),
    help2man includes (.h2m)                  # ...
    XML (.ui .ts .qrc .xml, .metainfo.xml)    <!-- ... -->
    linker version scripts (.map)             /* ... */

A template "name.ext.in" takes the comment of "name.ext". The line goes on
top, after a "#!" line and after an XML declaration (both must stay first).
The files are those git tracks (untracked build output is never touched);
outside a git checkout the tree is walked, skipping build*/ and artifacts/.
"""

import argparse
import os
import subprocess
import sys
import tempfile

MARKER = "SPDX-License-Identifier:"
LIBRARY_LICENCE = "LGPL-2.1-or-later"
DEFAULT_LICENCE = "GPL-3.0-or-later"
LIBRARY_FOLDER = "camera_link/"
# A licence line further down than this is not the file's header.
HEADER_LINES = 12

SLASHES = ("// ", "")
HASH = ("# ", "")
XML = ("<!-- ", " -->")
C_BLOCK = ("/* ", " */")

BY_EXTENSION = {
    ".c": SLASHES, ".cc": SLASHES, ".cpp": SLASHES, ".h": SLASHES, ".hpp": SLASHES,
    ".inc": SLASHES,
    ".cmake": HASH, ".py": HASH, ".sh": HASH, ".desktop": HASH, ".pc": HASH, ".h2m": HASH,
    ".ui": XML, ".ts": XML, ".qrc": XML, ".xml": XML,
    ".map": C_BLOCK,
}
BY_NAME = {"CMakeLists.txt": HASH}
SKIPPED_FOLDERS = ("build", "artifacts", ".git")


def comment_style(path):
    """The (opening, closing) comment text for a source file, or None."""
    name = os.path.basename(path)
    if name.endswith(".in"):
        name = name[:-3]
    if name in BY_NAME:
        return BY_NAME[name]
    return BY_EXTENSION.get(os.path.splitext(name)[1])


def licence_for(relative_path):
    normalised = relative_path.replace(os.sep, "/")
    return LIBRARY_LICENCE if normalised.startswith(LIBRARY_FOLDER) else DEFAULT_LICENCE


def candidate_files(root):
    """Relative paths of the repository's files that are sources."""
    try:
        listed = subprocess.run(["git", "-C", root, "ls-files", "-z"], check=True,
                                capture_output=True).stdout.decode("utf-8").split("\0")
        paths = [p for p in listed if p]
    except (OSError, subprocess.CalledProcessError):
        paths = []
        for folder, subfolders, names in os.walk(root):
            subfolders[:] = sorted(d for d in subfolders
                                   if not d.startswith(SKIPPED_FOLDERS))
            for name in names:
                paths.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(p for p in paths
                  if comment_style(p) and os.path.isfile(os.path.join(root, p)))


def has_licence_line(text):
    return any(MARKER in line for line in text.splitlines()[:HEADER_LINES])


def with_licence_line(text, style, licence):
    """The text with the licence line inserted at its proper place."""
    newline = "\r\n" if "\r\n" in text.split("\n", 1)[0] + "\n" else "\n"
    line = "%s%s %s%s" % (style[0], MARKER, licence, style[1])
    lines = text.splitlines(keepends=True)
    at = 0
    if lines and (lines[0].startswith("#!") or lines[0].lstrip("\ufeff").startswith("<?xml")):
        at = 1
        if not lines[0].endswith(("\n", "\r")):
            lines[0] += newline
    inserted = [line + newline]
    # A blank line after the licence unless one follows already (or nothing).
    if at < len(lines) and lines[at].strip():
        inserted.append(newline)
    return "".join(lines[:at] + inserted + lines[at:])


def write_replacing(path, text):
    """Writes through a temporary file in the same folder, keeping the mode,
    so an interruption leaves either the old or the new file."""
    folder = os.path.dirname(os.path.abspath(path))
    mode = os.stat(path).st_mode
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".spdx-")
    try:
        with os.fdopen(handle, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        os.chmod(temporary, mode)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


def read_text(path):
    with open(path, encoding="utf-8", newline="") as f:
        return f.read()


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", default=os.path.join(os.path.dirname(__file__), ".."),
                        help="repository root (default: the one holding this script)")
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--check", action="store_true",
                      help="only list files without a licence line; exit 1 if any")
    mode.add_argument("--list", action="store_true", help="list the source files considered")
    args = parser.parse_args(argv)
    root = os.path.abspath(args.root)

    files = candidate_files(root)
    if args.list:
        for relative in files:
            print("%s\t%s" % (licence_for(relative), relative))
        return 0

    missing = []
    unreadable = []
    for relative in files:
        path = os.path.join(root, relative)
        try:
            text = read_text(path)
        except (UnicodeDecodeError, OSError) as error:
            unreadable.append("%s: %s" % (relative, error))
            continue
        if has_licence_line(text):
            continue
        missing.append(relative)
        if not args.check:
            write_replacing(path, with_licence_line(text, comment_style(relative),
                                                    licence_for(relative)))

    for problem in unreadable:
        print("add-spdx: cannot read %s" % problem, file=sys.stderr)
    if args.check:
        for relative in missing:
            print("add-spdx: no licence line: %s" % relative)
        print("add-spdx: %d of %d source files lack a licence line" % (len(missing), len(files)))
        return 1 if missing or unreadable else 0
    print("add-spdx: added a licence line to %d of %d source files" % (len(missing), len(files)))
    return 1 if unreadable else 0


if __name__ == "__main__":
    sys.exit(main())
