#!/usr/bin/env python3
"""The two source checks (scripts/layers.py, scripts/glossary-check.py) fed
copies with one fault each: every copy must fail, naming the fault. The
copies live in a temporary folder; the tree itself is only read.

  check_faults.py MANIFEST WIDGETS_DIR [unittest arguments, e.g. LayerFaults.test_Links]
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
DOC = ROOT / "docs" / "ARCHITECTURE.md"
MANIFEST = WIDGETS = None


def run(*args):
    done = subprocess.run([sys.executable, *map(str, args)], capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


class Scratch(unittest.TestCase):
    def setUp(self):
        self._dir = tempfile.TemporaryDirectory(prefix="check_faults-")
        self.dir = pathlib.Path(self._dir.name)

    def tearDown(self):
        self._dir.cleanup()

    def assertFails(self, result, *expected):
        code, out = result
        self.assertEqual(code, 1, out)
        for line in expected:
            self.assertIn(line, out)


class LayerFaults(Scratch):
    def check(self, manifest, *more):
        return run(ROOT / "scripts" / "layers.py", manifest, ROOT / "src", WIDGETS, "--table", DOC, *more)

    def manifest_with(self, target, link):
        """A copy of the manifest in which target links link as well."""
        lines = []
        for line in pathlib.Path(MANIFEST).read_text(encoding="utf-8").splitlines():
            fields = line.split("\t")
            if fields[0] == target:
                fields[4] = ";".join([fields[4], link] if fields[4] else [link])
            lines.append("\t".join(fields))
        copy = self.dir / "layers.txt"
        copy.write_text("\n".join(lines) + "\n", encoding="utf-8")
        return copy

    def test_Links(self):
        cases = [
            ("programengine", "appwindow",
             "programengine links appwindow, which lies above it (programengine is in layer engines, "
             "appwindow in layer roof)"),
            ("fileswidgets", "librarywidgets",
             "fileswidgets links librarywidgets beside it in layer pages and views, which the layer table "
             "does not allow"),
            # Down a layer, yet it brings the widgets into an engine.
            ("deviceengine", "appwidgets", "deviceengine is an engine and links Qt5::Widgets (through appwidgets)"),
            ("programengine", "deviceengine", "link cycle: programengine -> deviceengine -> programengine"),
        ]
        for target, link, fault in cases:
            with self.subTest(link="%s -> %s" % (target, link)):
                self.assertFails(self.check(self.manifest_with(target, link)), fault)

    def test_TableFaults(self):
        text = DOC.read_text(encoding="utf-8")
        cases = [
            # A row allowing a link upward within its layer.
            ("| `programviews` | |", "| `programviews` | `statuswidgets` |",
             "layer table: programviews may link statuswidgets beside it, but statuswidgets is no row below it"),
            ("| pages and views | `fileswidgets` |", "| pages and views | `nothing` |",
             "fileswidgets has no row in the layer table"),
        ]
        for old, new, fault in cases:
            with self.subTest(row=new):
                self.assertIn(old, text)
                doc = self.dir / "ARCHITECTURE.md"
                doc.write_text(text.replace(old, new, 1), encoding="utf-8")
                self.assertFails(run(ROOT / "scripts" / "layers.py", MANIFEST, ROOT / "src", WIDGETS, "--table", doc),
                                 fault)

    def test_Includes(self):
        cases = [
            ("<app/KMainWindow.h>", "program/Parser.cpp: <app/KMainWindow.h> belongs to appwindow, "
             "which programengine does not link"),
            ('"app/KMainWindow.h"', 'program/Parser.cpp: "app/KMainWindow.h" belongs to appwindow, '
             "which programengine does not link"),
            ("<QWidget>", "program/Parser.cpp: <QWidget> is a widget header, and programengine is an engine"),
        ]
        for include, fault in cases:
            with self.subTest(include=include):
                self.assertFails(self.check(MANIFEST, "--inject", "program/Parser.cpp=" + include), fault)


class GlossaryFaults(Scratch):
    def check(self, *args):
        return run(ROOT / "scripts" / "glossary-check.py", *args)

    def test_GlossaryWithoutCkRow(self):
        text = DOC.read_text(encoding="utf-8")
        rows = [l for l in text.splitlines(keepends=True) if l.startswith("| `CK`, `ck` |")]
        self.assertEqual(len(rows), 1)
        doc = self.dir / "ARCHITECTURE.md"
        doc.write_text(text.replace(rows[0], ""), encoding="utf-8")
        self.assertFails(self.check("--doc", doc), "not in the glossary: CK ")

    def test_InventedNames(self):
        for name, part in (("qzPending", "qz"), ("xkwDelay", "xkw"), ("pendingQZ", "QZ")):
            with self.subTest(name=name):
                app = self.dir / name / "app"
                shutil.copytree(ROOT / "src" / "app", app)
                with open(app / "KMainWindow.cpp", "a", encoding="utf-8") as f:
                    f.write("\nstatic int %s = 0;\n" % name)
                code, out = self.check("--src", app)
                self.assertEqual(out, "not in the glossary: %s (in %s)\n" % (part, name))
                self.assertEqual(code, 1)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    MANIFEST, WIDGETS = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:])
