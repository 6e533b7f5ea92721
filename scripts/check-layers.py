#!/usr/bin/env python3
"""Holds the include order of the sources (README, "Layers") and finds include circles.

Bottom to top: base; the core (settings, imagelist, imageinfo, lang, online, display, tg,
plugin, ui/core, and the resource ids in res); framework; widgets; ui; app. A file includes
only its own level and those below it; tools include base and the core only. A circle is two
or more components (a header with its .cpp, _win and _posix files) that include each other.
Prints each breach and exits 1 when there is one.
"""
import os
import re
import subprocess
import sys

CORE = ("settings", "imagelist", "imageinfo", "lang", "online", "display", "tg", "plugin", "ui/core", "res")
LEVELS = [("base", 0)] + [(c, 1) for c in CORE] + [("framework", 2), ("widgets", 3), ("ui", 4), ("app", 5)]
TOOLS_MAY = 1  # tools: base and the core
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_level(path):
    """The level of a repository path, or None outside the layered folders."""
    for folder, level in sorted(LEVELS, key=lambda fl: -len(fl[0])):
        if path == folder or path.startswith(folder + "/"):
            return folder, level
    return None


def component(path):
    stem = os.path.splitext(path)[0]
    return re.sub(r"_(win|posix)$", "", stem)


def main(root):
    files = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard"], cwd=root,
                           capture_output=True, text=True, check=True).stdout.split()
    sources = [f for f in files if f.endswith((".h", ".cpp", ".c", ".rc")) and os.path.exists(os.path.join(root, f))]
    known = set(sources)
    basenames = {os.path.basename(f) for f in sources}
    breaches = []
    edges = {}
    for path in sources:
        if path.startswith(("tests/", "bench/", "build/")):
            continue
        text = open(os.path.join(root, path), encoding="utf-8", errors="replace").read()
        for target in INCLUDE.findall(text):
            if target not in known:
                if "/" not in target and target in basenames:
                    breaches.append(f"{path}: includes \"{target}\" by its bare name; name its folder")
                continue
            if component(target) != component(path):
                edges.setdefault(component(path), set()).add(component(target))
            mine, theirs = folder_level(path), folder_level(target)
            if path.startswith("tools/") and target.startswith("tools/"):
                continue
            if theirs is None:
                breaches.append(f"{path}: includes {target}, which is in no layer")
                continue
            if path.startswith("tools/"):
                if theirs[1] > TOOLS_MAY:
                    breaches.append(f"{path}: tools include base and the core only, not {target}")
                continue
            if mine is None:
                continue
            if theirs[1] > mine[1]:
                breaches.append(f"{path}: level {mine[1]} ({mine[0]}) includes {target}, level {theirs[1]} ({theirs[0]})")
            elif mine[0] == "base" and theirs[0] != "base":
                breaches.append(f"{path}: base includes {target}")
            elif mine[0] == "res" and theirs[0] != "res":
                breaches.append(f"{path}: resource ids include {target}")

    # Circles between components: a depth-first search that reports each back edge's loop once.
    seen_loops = set()
    state = {}

    def visit(node, stack):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                loop = stack[stack.index(nxt):]
                key = frozenset(loop)
                if key not in seen_loops:
                    seen_loops.add(key)
                    breaches.append("include circle: " + " -> ".join(loop + [nxt]))
            elif nxt not in state:
                visit(nxt, stack)
        stack.pop()
        state[node] = 2

    for node in sorted(edges):
        if node not in state:
            visit(node, [])

    for b in breaches:
        print(b)
    print(f"check-layers: {len(sources)} files, {len(breaches)} breaches")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
