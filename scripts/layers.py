#!/usr/bin/env python3
"""Layer check: every include between the program's libraries runs down.

Reads the manifest that the build writes at configure time (build/layers.txt:
each target under src/, its folder, sources and links) and every C++ file
under src/. For each file it finds the target that owns it, and for each
  #include "dir/X.h"   the target that owns X.h: it must be the same target or
                       one the including target links, directly or through
                       its links;
  #include <QWidget>   a QtWidgets header: only targets that link
                       Qt5::Widgets may include it (engines stay widget-free).
A header belongs to the target that lists it, or else to the target that
compiles the .cpp of the same name; a header with neither is an error too.

  layers.py MANIFEST SRC_ROOT WIDGETS_DIR [--inject FILE=INCLUDE]... [--list]

--inject pretends FILE (relative to SRC_ROOT) has one more include line; the
check's own test uses it to see that a bad include fails. --list prints each
target with the project targets it links, and nothing is checked.
Exit 0 when every include is allowed, 1 with one line a fault otherwise.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def read_manifest(path):
    targets = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line:
                continue
            name, kind, folder, sources, links = (line.split("\t") + [""] * 5)[:5]
            targets[name] = {
                "kind": kind,
                "dir": folder,
                "sources": [s for s in sources.split(";") if s],
                "links": [re.sub(r"\$<[^>]*>", "", l) for l in links.split(";") if l],
            }
    return targets


def closure(targets, name, seen=None):
    """Every target and external library that `name` links, itself included."""
    if seen is None:
        seen = set()
    if name in seen:
        return seen
    seen.add(name)
    for link in targets.get(name, {}).get("links", []):
        closure(targets, link, seen)
    return seen


def owners(targets, src_root):
    owner = {}
    for name, t in targets.items():
        for s in t["sources"]:
            owner.setdefault(os.path.normpath(s), name)
    faults = []
    for folder, _, files in os.walk(src_root):
        for f in sorted(files):
            path = os.path.normpath(os.path.join(folder, f))
            if not f.endswith(".h") or path in owner:
                continue
            twin = path[:-2] + ".cpp"
            if twin in owner:
                owner[path] = owner[twin]
            else:
                faults.append("%s: no target owns this header (list it in its target's sources)"
                              % os.path.relpath(path, src_root))
    return owner, faults


def main(argv):
    args = [a for a in argv[1:] if not a.startswith("--")]
    if len(args) < 3:
        print("usage: layers.py MANIFEST SRC_ROOT WIDGETS_DIR [--inject FILE=INCLUDE]... [--list]",
              file=sys.stderr)
        return 2
    manifest, src_root, widgets_dir = args[0], os.path.abspath(args[1]), args[2]
    injected = {}
    it = iter(argv[1:])
    for a in it:
        if a == "--inject":
            f, inc = next(it).split("=", 1)
            injected.setdefault(os.path.normpath(os.path.join(src_root, f)), []).append(inc)
    targets = read_manifest(manifest)

    if "--list" in argv:
        for name in sorted(targets):
            project = [l for l in targets[name]["links"] if l in targets]
            print("%s -> %s" % (name, " ".join(project) if project else "(none)"))
        return 0

    widgets = set(os.listdir(widgets_dir)) if os.path.isdir(widgets_dir) else set()
    owner, faults = owners(targets, src_root)
    reach = {name: closure(targets, name) for name in targets}
    checked = 0
    for path, name in sorted(owner.items()):
        if not os.path.isfile(path) or not path.startswith(src_root + os.sep):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        includes = [(m.group(1), m.group(2)) for m in INCLUDE.finditer(text)]
        includes += [("<" if i.startswith("<") else '"', i.strip('<>"')) for i in injected.get(path, [])]
        rel = os.path.relpath(path, src_root)
        engine = "Qt5::Widgets" not in reach[name]
        for quote, inc in includes:
            checked += 1
            if quote == "<":
                base = inc.split("/")[-1]
                if engine and (inc.startswith("QtWidgets") or base in widgets):
                    faults.append("%s: <%s> is a widget header, and %s is an engine (it does not link Qt5::Widgets)"
                                  % (rel, inc, name))
                continue
            candidates = [os.path.join(src_root, inc), os.path.join(os.path.dirname(path), inc)]
            target_file = next((os.path.normpath(c) for c in candidates if os.path.isfile(c)), None)
            if target_file is None or not target_file.startswith(src_root + os.sep):
                continue
            other = owner.get(target_file)
            if other is None or other == name:
                continue
            if other not in reach[name]:
                faults.append('%s: "%s" belongs to %s, which %s does not link' % (rel, inc, other, name))

    for fault in faults:
        print(fault)
    print("layers: %d targets, %d files, %d includes, %d faults"
          % (len(targets), len(owner), checked, len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
