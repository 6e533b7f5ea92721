#!/usr/bin/env python3
"""Checks a built vm.chm: it holds every help page the program's code asks for, its contents
and index name pages that exist, every link and picture inside it resolves (anchors too), and
every page can be reached from the contents.
    check-chm.py VM.CHM SOURCE_DIR
Lists the file with chmls (Free Pascal's fp-utils); prints one line per check, exit 1 on a fault."""
import html.parser
import os
import re
import struct
import subprocess
import sys
import tempfile
import urllib.parse

# Folders of the program whose string literals may name a help page.
CODE_DIRS = ["app", "ui", "framework", "widgets", "lang", "display", "online", "settings", "plugin"]


def topics_in_code(source_dir):
    topics = {}
    for d in CODE_DIRS:
        root = os.path.join(source_dir, d)
        for folder, _, files in os.walk(root):
            for name in files:
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="latin-1") as f:
                    for topic in re.findall(r'"([A-Za-z0-9_.-]+\.html?)"', f.read()):
                        topics.setdefault(topic, os.path.relpath(path, source_dir))
    return topics


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.anchors = [], set()

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("id", "name") if tag != "param" else ():
            if a.get(key):
                self.anchors.add(a[key])
        if tag in ("a", "link") and a.get("href"):
            self.links.append(a["href"])
        elif tag in ("img", "script") and a.get("src"):
            self.links.append(a["src"])
        elif tag == "param" and (a.get("name") or "").lower() == "local" and a.get("value"):
            self.links.append(a["value"])


def parse(path):
    p = Links()
    with open(path, encoding="latin-1") as f:
        p.feed(f.read())
    return p


def system_entries(path):
    """The #SYSTEM records: code -> text (0 contents file, 1 index file, 2 default topic, 3 title)."""
    with open(path, "rb") as f:
        data = f.read()
    entries, pos = {}, 4
    while pos + 4 <= len(data):
        code, size = struct.unpack_from("<HH", data, pos)
        value = data[pos + 4 : pos + 4 + size]
        entries[code] = value.split(b"\0", 1)[0].decode("latin-1")
        pos += 4 + size
    return entries


def main():
    chm, source_dir = sys.argv[1], sys.argv[2]
    faults = []
    listing = subprocess.run(["chmls", "-n", "-p", "list", chm], capture_output=True, text=True)
    names = {line.strip().lstrip("/") for line in listing.stdout.splitlines() if line.startswith("/")}
    pages = sorted(n for n in names if n.lower().endswith((".htm", ".html")))
    if listing.returncode != 0 or not pages:
        print(f"FAULT: chmls lists no pages in {chm}: {listing.stderr.strip()}")
        return 1

    topics = topics_in_code(source_dir)
    if "ConfigWin.htm" not in topics:
        faults.append("the code names no ConfigWin.htm: the search for help topics in the code is broken")
    for topic, where in sorted(topics.items()):
        if topic not in names:
            faults.append(f"{where} asks for {topic}, which vm.chm does not hold")
    print(f"topics named in the code: {', '.join(sorted(topics))}")

    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["chmls", "extractall", chm, out], capture_output=True, check=True)
        system = system_entries(os.path.join(out, "#SYSTEM"))
        for code, what in ((0, "contents file"), (1, "index file"), (2, "default topic")):
            target = system.get(code, "")
            if target not in names:
                faults.append(f"the {what} '{target}' is not in vm.chm")
        files = [system.get(0, ""), system.get(1, "")] + pages
        parsed = {f: parse(os.path.join(out, f)) for f in files if f in names}
        checked = 0
        reachable = set()
        for f, p in parsed.items():
            for link in p.links:
                url = urllib.parse.urlsplit(link)
                if url.scheme in ("http", "https", "mailto"):
                    continue
                checked += 1
                target = os.path.normpath(os.path.join(os.path.dirname(f), urllib.parse.unquote(url.path))) if url.path else f
                if target not in names:
                    faults.append(f"{f}: link '{link}' leads nowhere")
                    continue
                if f == system.get(0):
                    reachable.add(target)
                if url.fragment and target in parsed and url.fragment not in parsed[target].anchors:
                    faults.append(f"{f}: link '{link}': {target} has no anchor '{url.fragment}'")
        for page in pages:
            if page not in reachable:
                faults.append(f"{page} is not in the contents")
        print(f"{len(pages)} pages, {checked} links inside vm.chm checked")

    for fault in faults:
        print("FAULT: " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
