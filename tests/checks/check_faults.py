#!/usr/bin/env python3
"""The source checks (scripts/layers.py, scripts/glossary-check.py and the
configure step's refusal of include directories in cmake/TovrelLayers.cmake)
fed copies with one fault each: every copy must fail, naming the fault. The
copies live in a temporary folder; the tree itself is only read.

  check_faults.py MANIFEST WIDGETS_DIR [unittest arguments, e.g. LayerFaults.test_Links]
"""
import importlib.util
import pathlib
import re
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
    def check(self, manifest, *more, doc=DOC):
        return run(ROOT / "scripts" / "layers.py", manifest, ROOT / "src", WIDGETS, "--table", doc, *more)

    def doc_with(self, old, new, count=1):
        text = DOC.read_text(encoding="utf-8")
        self.assertGreaterEqual(text.count(old), count)
        doc = self.dir / "ARCHITECTURE.md"
        doc.write_text(text.replace(old, new), encoding="utf-8")
        return doc

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
            # Qt Widgets by its other names: the versionless alias, the bare
            # library, its file, one kept behind a generator expression.
            ("deviceengine", "Qt::Widgets", "deviceengine is an engine and links Qt::Widgets (through Qt::Widgets)"),
            ("configengine", "Qt5Widgets", "configengine is an engine and links Qt5Widgets (through Qt5Widgets)"),
            ("records", "/usr/lib/x86_64-linux-gnu/libQt5Widgets.so.5.15.8",
             "records is an engine and links /usr/lib/x86_64-linux-gnu/libQt5Widgets.so.5.15.8"),
            ("statusengine", "$<$<CONFIG:Release>:Qt::Widgets>", "statusengine is an engine and links Qt::Widgets"),
        ]
        for target, link, fault in cases:
            with self.subTest(link="%s -> %s" % (target, link)):
                self.assertFails(self.check(self.manifest_with(target, link)), fault)

    def test_TableFaults(self):
        text = DOC.read_text(encoding="utf-8")
        head = "| layer | target | links beside it | widgets | folder | holds |"
        # The widget-free rule is kept by its column, whatever the layers are called.
        renamed = self.doc_with("| engines |", "| workers |", count=6)
        self.assertFails(self.check(self.manifest_with("deviceengine", "Qt::Widgets"), doc=renamed),
                         "deviceengine is an engine and links Qt::Widgets")
        marks = [
            (head, "| layer | target | links beside it | Qt | folder | holds |",
             'layer table: no column "widgets" marks the layers that stay free of Qt Widgets'),
            ("| engines | `filesengine` | | no |", "| engines | `filesengine` | | |",
             'layer table: the row of filesengine says neither yes nor no in column "widgets"'),
            ("| engines | `filesengine` | | no |", "| engines | `filesengine` | | yes |",
             'layer table: the rows of layer engines disagree in column "widgets"'),
        ]
        for old, new, fault in marks:
            with self.subTest(row=new):
                self.assertFails(self.check(MANIFEST, doc=self.doc_with(old, new)), fault)
        with self.subTest(row="every layer may use widgets"):
            doc = self.dir / "ARCHITECTURE.md"
            doc.write_text(re.sub(r"^(\| (engines|records) \|[^|]*\|[^|]*\|) no \|", r"\1 yes |", text, flags=re.M),
                           encoding="utf-8")
            self.assertFails(self.check(MANIFEST, doc=doc),
                             'layer table: no layer is marked free of Qt Widgets ("no" in column "widgets")')
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
            ('"QtWidgets/QLabel"', 'program/Parser.cpp: "QtWidgets/QLabel" is a widget header'),
        ]
        for include, fault in cases:
            with self.subTest(include=include):
                self.assertFails(self.check(MANIFEST, "--inject", "program/Parser.cpp=" + include), fault)
        # Up from an include root into another target's, or from the file's
        # own folder: both compile, so the check refuses every "..".
        for include in ("<../statuswidgets/status/KStatus.h>", '"../status/KStatus.h"', '"../../src/app/KMainWindow.h"'):
            with self.subTest(include=include):
                self.assertFails(self.check(MANIFEST, "--inject", "pages/KMenuCutting.cpp=" + include),
                                 "pages/KMenuCutting.cpp: %s climbs with \"..\"" % include)


class ConfigureFaults(Scratch):
    """The configure step on a project of two libraries laid out as src/ is,
    with TovrelLayers.cmake doing what it does for the program: a few
    hundredths of a second a case, where the program's own configure takes
    seconds."""

    def configure(self, extra):
        project = self.dir / "project"
        for f in ("pages/KMenuCutting.cpp", "pages/KMenuCutting.h", "status/KStatus.cpp", "status/KStatus.h"):
            (project / "src" / f).parent.mkdir(parents=True, exist_ok=True)
            (project / "src" / f).touch()
        (project / "CMakeLists.txt").write_text(
            "cmake_minimum_required(VERSION 3.18)\nproject(layers LANGUAGES NONE)\nadd_subdirectory(src)\n"
            "include(%s)\ntovrel_restrict_include_roots()\n" % (ROOT / "cmake" / "TovrelLayers.cmake"),
            encoding="utf-8")
        (project / "src" / "CMakeLists.txt").write_text("add_subdirectory(status)\nadd_subdirectory(pages)\n",
                                                        encoding="utf-8")
        (project / "src" / "status" / "CMakeLists.txt").write_text(
            "add_library(statuswidgets STATIC KStatus.cpp)\n", encoding="utf-8")
        (project / "src" / "pages" / "CMakeLists.txt").write_text(
            "add_library(pageswidgets STATIC KMenuCutting.cpp)\ntarget_link_libraries(pageswidgets PRIVATE Qt5::Widgets)\n"
            + extra, encoding="utf-8")
        shutil.rmtree(self.dir / "build", ignore_errors=True)
        # Without a language the generate step has nothing to do; the
        # configure step is what is tried.
        done = subprocess.run(["cmake", "-S", project, "-B", self.dir / "build"], capture_output=True, text=True)
        return done.stdout + done.stderr

    def test_IncludeDirectories(self):
        self.assertIn("-- Configuring done", self.configure(""))
        src = "${PROJECT_SOURCE_DIR}/src"
        cases = [
            ("target_include_directories(pageswidgets PRIVATE %s/status)" % src, "/project/src/status"),
            ("target_include_directories(pageswidgets PUBLIC $<BUILD_INTERFACE:%s/status>)" % src,
             "/project/src/status"),
            ("include_directories(%s)" % src, "/project/src:"),
            ("target_include_directories(pageswidgets PRIVATE ${CMAKE_BINARY_DIR}/include-roots/statuswidgets)",
             "/build/include-roots/statuswidgets"),
            ("target_compile_options(pageswidgets PRIVATE -I%s/status)" % src, "/project/src/status"),
        ]
        for line, folder in cases:
            with self.subTest(line=line):
                out = self.configure(line + "\n")
                self.assertNotIn("-- Configuring done", out)
                flat = " ".join(out.split())
                self.assertIn("Target pageswidgets (src/pages) adds the include directory", flat)
                self.assertIn(folder, flat)


class GlossaryFaults(Scratch):
    def check(self, *args):
        return run(ROOT / "scripts" / "glossary-check.py", *args)

    def without_row(self, first):
        """A copy of the glossary without the row whose entries begin so."""
        text = DOC.read_text(encoding="utf-8")
        rows = [l for l in text.splitlines(keepends=True) if l.startswith("| %s |" % first)]
        self.assertEqual(len(rows), 1, first)
        doc = self.dir / "ARCHITECTURE.md"
        doc.write_text(text.replace(rows[0], ""), encoding="utf-8")
        return doc

    def test_RowDeleted(self):
        # The rows an English word with one letter added, or another row of
        # another case, once explained.
        for first, part in (("`CK`, `Ck`, `ck`", "CK"), ("`cmos`, `CMOS`", "cmos"), ("`Coner`, `coner`", "Coner"),
                            ("`Vcur`, `VS`", "Vcur"), ("`XNEG`, `XPOS`, `YNEG`, `YPOS`", "XNEG"), ("`DY`", "DY")):
            with self.subTest(row=first):
                self.assertFails(self.check("--doc", self.without_row(first)), "not in the glossary: %s " % part)

    def test_EveryRowNeeded(self):
        """Each row deleted in turn, the check run in this process: only the
        rows of plain English words (and of compounds of two) may go."""
        english = {"`Angel`, `angel`", "`Fastcopy`", "`forback`", "`Grad`", "`inch`", "`Info`", "`Morepoint`",
                   "`Topspeed`, `Lowspeed`, `Cutspeed`", "`Turnback`",
                   # Used outside src/app only, where the check does not read.
                   "`Nedit`"}
        spec = importlib.util.spec_from_file_location("glossary_check", ROOT / "scripts" / "glossary-check.py")
        check = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(check)
        words = check.dictionary() | check.WORDS
        found = check.names(ROOT / "src" / "app")
        section = DOC.read_text(encoding="utf-8").split("## Glossary", 1)[1]
        rows = {line.split("|")[1].strip(): set(re.findall(r"`([^`]+)`", line.split("|")[1]))
                for line in section.splitlines() if line.startswith("| `")}
        self.assertGreater(len(rows), 80)
        self.assertEqual(check.missing_parts(found, set().union(*rows.values()), words), {})
        spare = set()
        for first in rows:
            rest = set().union(*(entries for other, entries in rows.items() if other != first))
            if not check.missing_parts(found, rest, words):
                spare.add(first)
        self.assertEqual(spare, english)

    def test_InventedNames(self):
        for name, part in (("qzPending", "qz"), ("xkwDelay", "xkw"), ("pendingQZ", "QZ"), ("msgPending", "msg"),
                           ("hgtPending", "hgt"), ("valPending", "val"), ("prevPending", "prev"),
                           ("xferPending", "xfer"), ("calcPending", "calc"), ("moveDy", "Dy")):
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
