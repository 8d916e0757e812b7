#!/usr/bin/env python3
"""Checks the include structure of model/, or of another folder given.

- No cycle among the folder's classes: a class (header and source together)
  depends on every header of the folder its files include, and nothing
  depends on itself through others. Headers from elsewhere do not count.
- The model's layers: the domain (model/) and the conditions
  (model/conditions/) never include the data file (model/datafile/), and the
  domain's headers never include a condition header.

Exits 1 and names what is wrong; prints nothing when all is well.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "model")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)

files = [p for p in root.rglob("*") if p.suffix in (".h", ".cpp")]
layer_of = {}
for path in files:
    if path.suffix == ".h":
        folder = path.parent.relative_to(root).as_posix()
        layer_of[path.name] = "domain" if folder == "." else folder

problems = []
depends = {}
for path in files:
    cls = path.stem
    folder = path.parent.relative_to(root).as_posix()
    layer = "domain" if folder == "." else folder
    for name in include.findall(path.read_text(encoding="utf-8")):
        target = layer_of.get(pathlib.PurePosixPath(name).name)
        if target is None:
            continue
        other = pathlib.PurePosixPath(name).stem
        if other != cls:
            depends.setdefault(cls, set()).add(other)
        if layer in ("domain", "conditions") and target == "datafile":
            problems.append(f"{path.relative_to(root)} includes the data file's {name}")
        if layer == "domain" and path.suffix == ".h" and target == "conditions":
            problems.append(f"{path.relative_to(root)} includes the condition header {name}")

# Cycles, by depth-first search over the classes.
state = {}
stack = []


def visit(cls):
    state[cls] = "open"
    stack.append(cls)
    for other in sorted(depends.get(cls, ())):
        if state.get(other) == "open":
            cycle = stack[stack.index(other):] + [other]
            problems.append("include cycle: " + " -> ".join(cycle))
        elif other not in state:
            visit(other)
    stack.pop()
    state[cls] = "done"


for cls in sorted(depends):
    if cls not in state:
        visit(cls)

for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
