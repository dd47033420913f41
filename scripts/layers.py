#!/usr/bin/env python3
"""Layer check: every link and every include between the program's libraries
runs down.

Reads three things:
- the layer table in docs/ARCHITECTURE.md: one row a target, top layer first,
  with the targets of its own layer it may link ("links beside it"); a target
  named there lies below it in the table, so the allowed links of one layer
  cannot go round in a circle; and whether the layer may use Qt Widgets
  (column "widgets": "yes" or "no"). The mark, not the layer's name, keeps a
  layer free of widgets, so renaming a layer cannot switch the rule off;
- the manifest the build writes at configure time (build/layers.txt: each
  target under src/, its folder, sources and links);
- every C++ file under src/.

It fails on
- a table without the widgets column, a row that marks it neither "yes" nor
  "no", a layer whose rows disagree, or a table in which no layer is marked
  free of widgets;
- a target without a row, or a row without a target;
- a link to a target of a higher layer, or to one of the same layer that its
  row does not name;
- a cycle of links;
- a target of a widget-free layer that links Qt Widgets under any of its
  names (Qt5::Widgets, Qt::Widgets, Qt5Widgets, the library file), itself or
  through what it links;
- an include, in quotes or in angle brackets, of a project header whose
  target the including target does not link, directly or through its links;
- a widget header (<QWidget>) included by a target that does not link
  Qt Widgets;
- an include whose path holds "..": from an include root it reaches the
  root of a target not linked, and from the file's folder a header no root
  lends it.
A header belongs to the target that lists it, or else to the target that
compiles the .cpp of the same name; a header with neither is an error too.

  layers.py MANIFEST SRC_ROOT WIDGETS_DIR [--table FILE] [--inject FILE=INCLUDE]... [--list]

--table reads the layer table from FILE instead of
SRC_ROOT/../docs/ARCHITECTURE.md.
--inject pretends FILE (relative to SRC_ROOT) has one more include line; the
check's own tests use it to see that a bad include fails. --list prints each
target with its layer and the project targets it links, and checks nothing.
Exit 0 when everything is allowed, 1 with one line a fault otherwise.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
TABLE_HEAD = re.compile(r"^\|\s*layer\s*\|\s*target\s*\|")
# The column of the layer table that says whether a layer may use Qt Widgets.
WIDGETS_COLUMN = "widgets"
WIDGETS = "Qt5::Widgets"
# Every name a CMake link can give Qt Widgets by: the target, its versionless
# alias, the bare library name (-lQt5Widgets) and the library file itself.
WIDGET_LINK = re.compile(r"(^|[^\w])(Qt[56]?::Widgets|Qt[56]Widgets)([^\w]|$)|libQt[56]Widgets\.(so|a)")


def is_widgets(link):
    return WIDGET_LINK.search(link) is not None


def unwrap(link):
    """A link without its generator expressions: "$<LINK_ONLY:programengine>"
    is programengine; "$<$<CONFIG:Debug>:Qt::Widgets>" keeps the name it
    may link."""
    while True:
        inner = re.sub(r"\$<([^<>]*)>", lambda m: m.group(1).split(":", 1)[-1] if ":" in m.group(1) else "", link)
        if inner == link:
            return link
        link = inner


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
                "links": [unwrap(l) for l in links.split(";") if l],
            }
    return targets


def read_table(path):
    """The layer table: {target: (layer rank, layer, [targets beside it],
    widget-free)} with rank 0 for the top layer, and the faults of the table
    itself."""
    rows, faults, layers = [], [], []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    start = next((i for i, l in enumerate(lines) if TABLE_HEAD.match(l)), None)
    if start is None:
        return {}, ["%s: no layer table (a table headed | layer | target | ...)" % path]
    head = [c.strip() for c in lines[start].strip().strip("|").split("|")]
    column = head.index(WIDGETS_COLUMN) if WIDGETS_COLUMN in head else None
    if column is None:
        faults.append("layer table: no column \"%s\" marks the layers that stay free of Qt Widgets" % WIDGETS_COLUMN)
    free = {}
    for line in lines[start + 2:]:
        if not line.startswith("|"):
            break
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        layer = cells[0]
        names = re.findall(r"`([^`]+)`", cells[1])
        beside = re.findall(r"`([^`]+)`", cells[2]) if len(cells) > 2 else []
        if len(names) != 1:
            faults.append("layer table: a row needs one target: %s" % line)
            continue
        if not layers or layers[-1] != layer:
            if layer in layers:
                faults.append("layer table: the rows of layer %s are not together" % layer)
            layers.append(layer)
        mark = cells[column] if column is not None and column < len(cells) else None
        if column is not None and mark not in ("yes", "no"):
            faults.append("layer table: the row of %s says neither yes nor no in column \"%s\"" % (names[0], WIDGETS_COLUMN))
        widget_free = mark == "no"
        if free.setdefault(layer, widget_free) != widget_free:
            faults.append("layer table: the rows of layer %s disagree in column \"%s\"" % (layer, WIDGETS_COLUMN))
        rows.append((names[0], layer, beside, widget_free))
    if column is not None and not any(free.values()):
        faults.append("layer table: no layer is marked free of Qt Widgets (\"no\" in column \"%s\")" % WIDGETS_COLUMN)
    table = {name: (layers.index(layer), layer, beside, free[layer]) for name, layer, beside, _ in rows}
    order = [name for name, _, _, _ in rows]
    for name, layer, beside, _ in rows:
        for other in beside:
            if other not in table or table[other][1] != layer or order.index(other) < order.index(name):
                faults.append("layer table: %s may link %s beside it, but %s is no row below it in layer %s"
                              % (name, other, other, layer))
    return table, faults


def widget_links(targets, name):
    """The names by which `name` links Qt Widgets, itself or through the
    project targets it links."""
    return sorted(l for l in closure(targets, name) if is_widgets(l))


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


def project_links(targets, name):
    return [l for l in targets[name]["links"] if l in targets]


def cycles(targets):
    """One line for each cycle of links found by a depth-first walk."""
    found, state = [], {}

    def walk(name, path):
        state[name] = "open"
        path.append(name)
        for link in project_links(targets, name):
            if state.get(link) == "open":
                found.append(" -> ".join(path[path.index(link):] + [link]))
            elif link not in state:
                walk(link, path)
        path.pop()
        state[name] = "done"

    for name in sorted(targets):
        if name not in state:
            walk(name, [])
    return found


def link_faults(targets, table):
    faults = []
    for name in sorted(targets):
        if name not in table:
            faults.append("%s has no row in the layer table" % name)
    for name in sorted(table):
        if name not in targets:
            faults.append("the layer table names %s, which the build does not define" % name)
    for name in sorted(targets):
        if name not in table:
            continue
        rank, layer, beside, widget_free = table[name]
        for link in project_links(targets, name):
            if link not in table:
                continue
            other_rank, other_layer = table[link][:2]
            if other_rank < rank:
                faults.append("%s links %s, which lies above it (%s is in layer %s, %s in layer %s)"
                              % (name, link, name, layer, link, other_layer))
            elif other_rank == rank and link not in beside:
                faults.append("%s links %s beside it in layer %s, which the layer table does not allow"
                              % (name, link, layer))
        names = widget_links(targets, name)
        if widget_free and names:
            via = [l for l in targets[name]["links"] if widget_links(targets, l)]
            faults.append("%s is an engine and links %s (through %s)" % (name, ", ".join(names), ", ".join(via)))
    faults += ["link cycle: %s" % c for c in cycles(targets)]
    return faults


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


def include_faults(targets, owner, src_root, widgets, injected):
    faults, checked = [], 0
    reach = {name: closure(targets, name) for name in targets}
    widgets_linked = {name: any(is_widgets(l) for l in reach[name]) for name in targets}
    for path, name in sorted(owner.items()):
        if not os.path.isfile(path) or not path.startswith(src_root + os.sep):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        includes = [(m.group(1), m.group(2)) for m in INCLUDE.finditer(text)]
        includes += [("<" if i.startswith("<") else '"', i.strip('<>"')) for i in injected.get(path, [])]
        rel = os.path.relpath(path, src_root)
        for quote, inc in includes:
            checked += 1
            shown = "<%s>" % inc if quote == "<" else '"%s"' % inc
            if ".." in re.split(r"[/\\]", inc):
                faults.append("%s: %s climbs with \"..\"; name a header from the include root of its target"
                              % (rel, shown))
                continue
            # A quoted name is looked up beside the file first; both kinds
            # then on the include root, where a project header is one of ours
            # whichever way it is written.
            candidates = [os.path.join(src_root, inc)]
            if quote == '"':
                candidates.insert(0, os.path.join(os.path.dirname(path), inc))
            target_file = next((os.path.normpath(c) for c in candidates if os.path.isfile(c)), None)
            if target_file is None or not target_file.startswith(src_root + os.sep):
                base = inc.split("/")[-1]
                # Quotes fall back to the include path, so a widget header
                # is one whichever way it is written.
                if not widgets_linked[name] and (inc.startswith("QtWidgets") or base in widgets):
                    faults.append("%s: %s is a widget header, and %s is an engine (it does not link %s)"
                                  % (rel, shown, name, WIDGETS))
                continue
            other = owner.get(target_file)
            if other is not None and other != name and other not in reach[name]:
                faults.append("%s: %s belongs to %s, which %s does not link" % (rel, shown, other, name))
    return faults, checked


def main(argv):
    args, options, inject, table_path = [], set(), [], None
    it = iter(argv[1:])
    for a in it:
        if a == "--inject":
            inject.append(next(it))
        elif a == "--table":
            table_path = next(it)
        elif a == "--list":
            options.add(a)
        else:
            args.append(a)
    if len(args) != 3 or any(a.startswith("--") for a in args):
        print("usage: layers.py MANIFEST SRC_ROOT WIDGETS_DIR [--table FILE] [--inject FILE=INCLUDE]... [--list]",
              file=sys.stderr)
        return 2
    manifest, src_root, widgets_dir = args[0], os.path.abspath(args[1]), args[2]
    table_path = table_path or os.path.join(os.path.dirname(src_root), "docs", "ARCHITECTURE.md")
    injected = {}
    for spec in inject:
        f, inc = spec.split("=", 1)
        injected.setdefault(os.path.normpath(os.path.join(src_root, f)), []).append(inc)
    targets = read_manifest(manifest)
    table, faults = read_table(table_path)

    if "--list" in options:
        for name in sorted(targets, key=lambda n: (table.get(n, (99,))[0], n)):
            project = project_links(targets, name)
            print("%-16s %-16s -> %s" % (table.get(name, (0, "(no row)"))[1], name,
                                         " ".join(project) if project else "(none)"))
        return 0

    faults += link_faults(targets, table)
    widgets = set(os.listdir(widgets_dir)) if os.path.isdir(widgets_dir) else set()
    owner, more = owners(targets, src_root)
    faults += more
    more, checked = include_faults(targets, owner, src_root, widgets, injected)
    faults += more

    for fault in faults:
        print(fault)
    print("layers: %d targets in %d layers, %d files, %d includes, %d faults"
          % (len(targets), len({t[1] for t in table.values()}), len(owner), checked, len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
