#!/usr/bin/env python3
"""Fails when source files or libraries include each other in a circle.

A header and its source are one unit; a unit belongs to its folder's library, except the chart
model (kelvora_chart) and modHelp with the maker's addresses (kelvora_modhelp), which are
libraries of their own below their folders' others."""
import os
import re
import sys

os.chdir(sys.argv[1] if len(sys.argv) > 1 else ".")
FOLDERS = ("casting", "interpretation", "journal", "shell", "report", "controls", "platform")
OWN_LIBRARY = {"casting/Chart": "chart", "shell/modHelp": "modhelp", "shell/WebAddresses": "modhelp"}


def cycles(graph):
    found, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                found.append(path[path.index(nxt):] + [node, nxt] if nxt in path else [node, nxt])
            elif nxt not in state:
                visit(nxt, path + [node])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return found


units, libraries = {}, {}
for folder in FOLDERS:
    for name in sorted(os.listdir(folder)):
        if not name.endswith((".cpp", ".h", ".h.in")):
            continue
        unit = f"{folder}/{name.split('.')[0]}"
        for target in re.findall(r'#include "([a-z]+/\w+)\.h"', open(f"{folder}/{name}").read()):
            if target != unit and target.split("/")[0] in FOLDERS:
                units.setdefault(unit, set()).add(target)
                a = OWN_LIBRARY.get(unit, folder)
                b = OWN_LIBRARY.get(target, target.split("/")[0])
                if a != b:
                    libraries.setdefault(a, set()).add(b)

failures = [("files", c) for c in cycles(units)] + [("libraries", c) for c in cycles(libraries)]
for kind, cycle in failures:
    print(f"FAIL: {kind} in a circle: {' -> '.join(cycle)}")
if not failures:
    print(f"PASS: {len(units)} files and {len(libraries)} libraries include one way")
sys.exit(1 if failures else 0)
