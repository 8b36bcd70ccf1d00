#!/usr/bin/env python3
"""Fails when code under src/ reaches up the layer order.

The order is the layer table of docs/developing.md (lowest first; the libraries of one row are
peers). The CMake files say which target owns each file and what each target links. Two rules:
  - a target links only targets of its own row or of rows above it in the table;
  - a file includes only headers of its own target or of a target its target links (directly or
    through the targets those link).
Includes name the file only and unit names are unique across the tree, so an include is resolved
by its file name; a name found nowhere under src/ (a system, Qt or generated header) is not ours.

  scripts/check-layers.py [ROOT]
"""

import collections
import fnmatch
import os
import re
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
SRC = os.path.join(ROOT, "src")
CODE = (".h", ".cpp")


def rel(path):
    return os.path.relpath(path, ROOT)


def layer_rows():
    """Folder patterns of each row of the layer table, in table order."""
    rows = []
    in_table = False
    with open(os.path.join(ROOT, "docs", "developing.md"), encoding="utf-8") as doc:
        for line in doc:
            if line.startswith("## Layers"):
                in_table = True
                continue
            if in_table and line.startswith("## "):
                break
            if not in_table or not line.startswith("|"):
                continue
            first = line.split("|")[1]
            folders = re.findall(r"`(src/[^`]*)`", first)
            if folders:
                rows.append(folders)
    if not rows:
        sys.exit("check-layers: no layer table in docs/developing.md")
    return rows


def row_of(folder, rows):
    """The row whose folder pattern is the longest one holding the folder."""
    best, best_len = None, -1
    for index, patterns in enumerate(rows):
        for pattern in patterns:
            if fnmatch.fnmatch(folder, pattern) or folder.startswith(pattern + "/"):
                if len(pattern) > best_len:
                    best, best_len = index, len(pattern)
    return best


def cmake_targets():
    """Targets of the CMake files under src: {name: (folder, [source paths], [linked names])}."""
    targets = {}
    call = re.compile(r"\b(zqs_library|add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)", re.S)
    for directory, _, files in os.walk(SRC):
        if "CMakeLists.txt" not in files:
            continue
        with open(os.path.join(directory, "CMakeLists.txt"), encoding="utf-8") as f:
            text = re.sub(r"#.*", "", f.read())
        folder = rel(directory)
        for kind, args in call.findall(text):
            words = args.split()
            name, rest = words[0], words[1:]
            if kind == "target_link_libraries":
                if name in targets:
                    targets[name][2].extend(w for w in rest if w not in ("PRIVATE", "PUBLIC", "INTERFACE"))
                continue
            sources, links, section = [], [], "SOURCES"
            for w in rest:
                if w in ("SOURCES", "LIBS"):
                    section = w
                elif w in ("STATIC", "SHARED", "OBJECT", "INTERFACE"):
                    continue
                elif section == "LIBS":
                    links.append(w)
                elif w.endswith(CODE):
                    sources.append(os.path.normpath(os.path.join(directory, w)))
            targets[name] = (folder, sources, links)
    return targets


def owners(targets):
    """The target of each .h and .cpp under src: the one that compiles it or the .cpp of the same
    name in the same folder; else the target that compiles most files of its folder (or a parent)."""
    by_source = {}
    per_folder = collections.defaultdict(collections.Counter)
    for name, (folder, sources, _) in targets.items():
        for s in sources:
            by_source[s] = name
            per_folder[os.path.dirname(s)][name] += 1
        per_folder[os.path.join(ROOT, folder)][name] += 0  # an INTERFACE library owns its folder
    owner = {}
    for directory, _, files in os.walk(SRC):
        for f in files:
            if not f.endswith(CODE):
                continue
            path = os.path.join(directory, f)
            twin = os.path.splitext(path)[0] + ".cpp"
            name = by_source.get(path) or by_source.get(twin)
            d = directory
            while not name and d.startswith(SRC):
                if per_folder.get(d):
                    name = per_folder[d].most_common(1)[0][0]
                d = os.path.dirname(d)
            if name:
                owner[path] = name
    return owner


def main():
    rows = layer_rows()
    targets = cmake_targets()
    owner = owners(targets)
    errors = []

    rank = {}
    for name, (folder, _, _) in targets.items():
        r = row_of(folder, rows)
        if r is None:
            errors.append(f"{folder}: target {name} stands in no row of the layer table")
        rank[name] = r

    def reach(name):
        """Every target the target links, directly or through others."""
        result, todo = set(), [name]
        while todo:
            for dep in targets[todo.pop()][2]:
                if dep in targets and dep not in result:
                    result.add(dep)
                    todo.append(dep)
        return result

    for name, (folder, _, links) in sorted(targets.items()):
        for dep in links:
            if dep in targets and rank[name] is not None and rank[dep] is not None and rank[dep] > rank[name]:
                errors.append(
                    f"{folder}/CMakeLists.txt: {name} links {dep}, which stands later in the layer table "
                    f"(row {rank[name] + 1} links row {rank[dep] + 1})"
                )

    headers = collections.defaultdict(list)
    for path in owner:
        if path.endswith(".h"):
            headers[os.path.basename(path)].append(path)
    for base, paths in sorted(headers.items()):
        if len(paths) > 1:
            errors.append(f"{base}: one name for {len(paths)} headers ({', '.join(rel(p) for p in paths)})")

    include = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
    for path, name in sorted(owner.items()):
        allowed = reach(name) | {name}
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = include.match(line)
                if not m:
                    continue
                found = headers.get(os.path.basename(m.group(1)))
                if not found:
                    continue
                dep = owner[found[0]]
                if dep not in allowed:
                    errors.append(f"{rel(path)}:{number}: includes {m.group(1)} of {dep}, which {name} does not link")

    for e in errors:
        print(e)
    if errors:
        print(f"layers: {len(errors)} include(s) or link(s) against the layer order")
        return 1
    print(f"layers: {len(owner)} files of {len(targets)} targets keep to the layer order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
