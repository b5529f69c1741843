#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/add-spdx.py on small made-up trees: the right licence in the
right comment at the right place, nothing else touched, safe to run twice."""

import os
import stat
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                      "add-spdx.py")

GPL = "GPL-3.0-or-later"
LGPL = "LGPL-2.1-or-later"

SOURCES = {
    "camera_link/include/qv_camera.h": "#ifndef QV_CAMERA_H\n#define QV_CAMERA_H\n#endif\n",
    "camera_link/src/stream/queue.cpp": "// The frame queue.\nint x;\n",
    "camera_link/qv_camera.map": "{\n  global:\n    QV_*;\n  local: *;\n};\n",
    "camera_link/qv_camera.pc.in": "prefix=@prefix@\nName: qv_camera\n",
    "app/core/corvane.cpp": "#include \"corvane.h\"\n",
    "app/core/corvane.ui": '<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"/>\n',
    "app/language/en/core.ts": ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                                '<TS version="2.1" language="en"/>\n'),
    "app/resources/corvane.qrc": '<!DOCTYPE RCC>\n<RCC version="1.0"/>\n',
    "app/CMakeLists.txt": "add_library(x STATIC x.cpp)\n",
    "tests/check.cmake": "message(STATUS x)\n",
    "scripts/run.sh": "#!/usr/bin/env bash\nset -e\necho run\n",
    "tools/gen.py": "#!/usr/bin/python3\nprint('gen')\n",
    "packaging/corvane.desktop": "[Desktop Entry]\nName=Corvane\n",
    "packaging/corvane.h2m": "[SEE ALSO]\ncamsim(1)\n",
}
NOT_SOURCES = {
    "README.md": "# Corvane\n",
    "app/resources/static/logo.png": "\x89PNG not really\n",
    "fuzz/corpus/reply/version": "RETCMD\n",
    "LICENSE": "GPL\n",
}
EXPECTED_LINE = {
    "camera_link/include/qv_camera.h": (0, "// SPDX-License-Identifier: %s" % LGPL),
    "camera_link/src/stream/queue.cpp": (0, "// SPDX-License-Identifier: %s" % LGPL),
    "camera_link/qv_camera.map": (0, "/* SPDX-License-Identifier: %s */" % LGPL),
    "camera_link/qv_camera.pc.in": (0, "# SPDX-License-Identifier: %s" % LGPL),
    "app/core/corvane.cpp": (0, "// SPDX-License-Identifier: %s" % GPL),
    "app/core/corvane.ui": (1, "<!-- SPDX-License-Identifier: %s -->" % GPL),
    "app/language/en/core.ts": (1, "<!-- SPDX-License-Identifier: %s -->" % GPL),
    "app/resources/corvane.qrc": (0, "<!-- SPDX-License-Identifier: %s -->" % GPL),
    "app/CMakeLists.txt": (0, "# SPDX-License-Identifier: %s" % GPL),
    "tests/check.cmake": (0, "# SPDX-License-Identifier: %s" % GPL),
    "scripts/run.sh": (1, "# SPDX-License-Identifier: %s" % GPL),
    "tools/gen.py": (1, "# SPDX-License-Identifier: %s" % GPL),
    "packaging/corvane.desktop": (0, "# SPDX-License-Identifier: %s" % GPL),
    "packaging/corvane.h2m": (0, "# SPDX-License-Identifier: %s" % GPL),
}


def write(root, relative, text, newline="\n"):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline=newline) as f:
        f.write(text)
    return path


def read(root, relative):
    with open(os.path.join(root, relative), encoding="utf-8", newline="") as f:
        return f.read()


def run(root, *options):
    return subprocess.run([sys.executable, SCRIPT, "--root", root] + list(options),
                          capture_output=True, text=True)


class AddSpdxTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        for relative, text in list(SOURCES.items()) + list(NOT_SOURCES.items()):
            write(self.root, relative, text)
        os.chmod(os.path.join(self.root, "scripts/run.sh"), 0o755)

    def tearDown(self):
        self.folder.cleanup()

    def test_each_kind_gets_its_comment_and_licence_in_place(self):
        self.assertEqual(run(self.root).returncode, 0)
        for relative, (index, line) in EXPECTED_LINE.items():
            lines = read(self.root, relative).split("\n")
            self.assertEqual(lines[index], line, relative)
            # The original text follows, first lines (shebang, XML
            # declaration) kept where they were.
            original = SOURCES[relative].split("\n")
            self.assertEqual(lines[:index], original[:index], relative)
            rest = [l for l in lines[index + 1:] if l != ""]
            self.assertEqual(rest, [l for l in original[index:] if l != ""], relative)

    def test_results_still_parse(self):
        run(self.root)
        for relative in ("app/core/corvane.ui", "app/language/en/core.ts",
                         "app/resources/corvane.qrc"):
            ElementTree.fromstring(read(self.root, relative).encode("utf-8"))
        compile(read(self.root, "tools/gen.py"), "gen.py", "exec")
        result = subprocess.run(["bash", "-n", os.path.join(self.root, "scripts/run.sh")])
        self.assertEqual(result.returncode, 0)

    def test_check_lists_missing_files_and_changes_nothing(self):
        before = {r: read(self.root, r) for r in SOURCES}
        result = run(self.root, "--check")
        self.assertEqual(result.returncode, 1)
        for relative in SOURCES:
            self.assertIn("no licence line: " + relative, result.stdout)
        for relative in NOT_SOURCES:
            self.assertNotIn(relative, result.stdout)
        self.assertEqual({r: read(self.root, r) for r in SOURCES}, before)

    def test_second_run_changes_nothing_and_check_passes(self):
        run(self.root)
        after_first = {r: read(self.root, r) for r in SOURCES}
        self.assertEqual(run(self.root).returncode, 0)
        self.assertEqual({r: read(self.root, r) for r in SOURCES}, after_first)
        self.assertEqual(run(self.root, "--check").returncode, 0)

    def test_existing_licence_lines_and_other_files_are_kept(self):
        # Whatever a file already declares is its author's choice.
        mit = "// SPDX-License-Identifier: MIT\n// borrowed helper\nint y;\n"
        write(self.root, "app/core/borrowed.cpp", mit)
        run(self.root)
        self.assertEqual(read(self.root, "app/core/borrowed.cpp"), mit)
        for relative, text in NOT_SOURCES.items():
            self.assertEqual(read(self.root, relative), text, relative)

    def test_mode_and_line_endings_are_kept(self):
        write(self.root, "app/windows_style.cpp", "int a;\r\nint b;\r\n", newline="")
        run(self.root)
        mode = os.stat(os.path.join(self.root, "scripts/run.sh")).st_mode
        self.assertTrue(mode & stat.S_IXUSR)
        self.assertEqual(read(self.root, "app/windows_style.cpp"),
                         "// SPDX-License-Identifier: %s\r\n\r\nint a;\r\nint b;\r\n" % GPL)
        self.assertEqual([n for n in os.listdir(os.path.join(self.root, "scripts"))
                          if n.startswith(".spdx-")], [])

    def test_build_output_is_never_touched(self):
        generated = "// generated by moc\n"
        write(self.root, "build/app/moc_corvane.cpp", generated)
        write(self.root, "build-asan/x.h", generated)
        run(self.root)
        self.assertEqual(read(self.root, "build/app/moc_corvane.cpp"), generated)
        self.assertEqual(read(self.root, "build-asan/x.h"), generated)

    def test_in_a_checkout_only_tracked_files_count(self):
        git = ["git", "-C", self.root, "-c", "user.name=t", "-c", "user.email=t@t"]
        subprocess.run(git + ["init", "-q"], check=True)
        subprocess.run(git + ["add", "."], check=True)
        untracked = "// scratch file\n"
        write(self.root, "app/core/scratch.cpp", untracked)
        result = run(self.root, "--check")
        self.assertNotIn("scratch.cpp", result.stdout)
        run(self.root)
        self.assertEqual(read(self.root, "app/core/scratch.cpp"), untracked)
        self.assertIn("SPDX", read(self.root, "app/core/corvane.cpp"))


if __name__ == "__main__":
    unittest.main()
