#!/usr/bin/env python3
"""Shows which faults the tests catch. Not part of CI's run.

Copies the working tree to build/mutants/src, builds what the faults need, checks that
every suite named passes on the unchanged code, then applies each fault of
tests/mutants/faults.txt alone, runs its suites until one fails, and undoes it.

  nice -n 15 python3 scripts/mutants.py [--tree REV] [ID-GLOB ...]   e.g. 'display/*'
  python3 scripts/mutants.py --check                                   only checks that every fault applies

--tree REV tests the code and tests of commit REV (the faults stay those of the working tree).

Prints one line per fault and writes the same to build/mutants/report.txt.
"""
import fnmatch
import io
import os
import re
import shutil
import subprocess
import sys
import tarfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "mutants")
SRC = os.path.join(WORK, "src")
LOGS = os.path.join(WORK, "logs")


class Fault:
    def __init__(self, ident, what):
        self.ident, self.what = ident, what
        self.suites = []
        self.hunks = []  # (path, old, new)


def tree_files(rev):
    """{path: (bytes, mode)} of the working tree (tracked and new files), or of commit rev."""
    if rev:
        data = subprocess.run(["git", "archive", "--format=tar", rev], cwd=ROOT, check=True,
                              capture_output=True).stdout
        with tarfile.open(fileobj=io.BytesIO(data)) as tar:
            return {m.name: (tar.extractfile(m).read(), m.mode) for m in tar.getmembers() if m.isfile()}
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                            check=True, capture_output=True).stdout.decode().split("\0")
    files = {}
    for rel in listed:
        full = os.path.join(ROOT, rel)
        if rel and os.path.isfile(full):
            files[rel] = (open(full, "rb").read(), os.stat(full).st_mode)
    return files


def sync_tree(rev):
    """Makes SRC a copy of the tree, keeping its build folder. A file is written only when it
    differs, so that the builds stay incremental; a written file is newer than anything built
    from the copy before (a fault's build included)."""
    wanted = tree_files(rev)
    os.makedirs(SRC, exist_ok=True)
    for dirpath, dirnames, filenames in os.walk(SRC):
        rel_dir = os.path.relpath(dirpath, SRC)
        if rel_dir == ".":
            dirnames[:] = [d for d in dirnames if d != "build"]
        for name in filenames:
            rel = os.path.normpath(os.path.join(rel_dir, name))
            if rel not in wanted:
                os.remove(os.path.join(dirpath, name))
    for rel, (data, mode) in wanted.items():
        dst = os.path.join(SRC, rel)
        if os.path.isfile(dst) and open(dst, "rb").read() == data:
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as out:
            out.write(data)
        os.chmod(dst, mode & 0o777)


def parse_faults(path):
    faults, current, old, new, file = [], None, [], [], None

    def flush():
        nonlocal old, new
        if old:
            current.hunks.append((file, "\n".join(old), "\n".join(new)))
        elif new:
            sys.exit(f"{path}: {current.ident}: a '+' hunk without '-' lines")
        old, new = [], []

    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if line.startswith("== "):
            if current:
                flush()
            ident, _, what = line[3:].partition(": ")
            current = Fault(ident.strip(), what.strip())
            faults.append(current)
        elif line.startswith("suite:"):
            current.suites = line.split()[1:]
        elif line.startswith("file:"):
            flush()
            file = line.split(None, 1)[1].strip()
        elif line.startswith("-"):
            if new:
                flush()
            old.append(line[1:])
        elif line.startswith("+"):
            new.append(line[1:])
    if current:
        flush()
    for f in faults:
        if not f.suites or not f.hunks:
            sys.exit(f"{path}: {f.ident} needs a suite and at least one hunk")
    return faults


def apply(fault):
    """Applies the fault's hunks; returns the original texts, or raises ValueError."""
    originals = {}
    for rel, old, new in fault.hunks:
        full = os.path.join(SRC, rel)
        if rel not in originals:
            originals[rel] = open(full, encoding="utf-8", newline="").read()
        text = open(full, encoding="utf-8", newline="").read()
        count = text.count(old)
        if count != 1:
            restore(originals)
            raise ValueError(f"{rel}: the old text occurs {count} times")
        with open(full, "w", encoding="utf-8", newline="") as out:
            out.write(text.replace(old, new))
    return originals


def restore(originals):
    for rel, text in originals.items():
        with open(os.path.join(SRC, rel), "w", encoding="utf-8", newline="") as out:
            out.write(text)


def run(cmd, log, timeout):
    """Runs a shell command into log; returns its exit status (124 on time-out)."""
    with open(log, "w") as out:
        try:
            return subprocess.run(["bash", "-c", cmd], cwd=SRC, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout, start_new_session=True).returncode
        except subprocess.TimeoutExpired:
            return 124


def presets_for(suite):
    kind = suite.split("=")[0]
    return {"native": ["native"], "asan": ["native-asan"], "tsan": ["native-tsan"]}.get(kind, ["mingw64"])


def build(presets, tag):
    for preset in presets:
        log = os.path.join(LOGS, f"{tag}-build-{preset}.log")
        if run(f"cmake --build --preset {preset}", log, 3600) != 0:
            return f"build {preset} failed ({os.path.relpath(log, ROOT)})"
    return None


def gtest_failed(log):
    text = open(log, errors="replace").read().replace("\r", "")
    if re.search(r"^\[  FAILED  \]", text, re.M):
        return True
    m = re.search(r"^\[  PASSED  \] (\d+) test", text, re.M)
    return not m or int(m.group(1)) == 0  # a crash, a hang, or a filter that selects nothing


WINTESTS = """
. scripts/wine-session.sh
wine_session_start || exit 3
cd build/mingw64/tests && timeout 600 "$WINE" velum_wintests.exe --gtest_brief=1 --gtest_filter='{f}' </dev/null
"""


def run_suite(suite, tag, name=None):
    """True when the suite fails (catches the fault), None when it could not run (no Wine
    session came up, even when tried again: a busy machine, not the fault)."""
    kind, _, arg = suite.partition("=")
    log = os.path.join(LOGS, f"{tag}-{name or re.sub(r'[^A-Za-z0-9_.-]', '_', suite)}.log")
    env = "ASAN_OPTIONS=detect_leaks=1 TSAN_OPTIONS=halt_on_error=1 "
    if kind in ("native", "asan", "tsan"):
        preset = presets_for(kind)[0]
        flt = f" --gtest_filter='{arg}'" if arg else ""
        run(f"{env}build/{preset}/tests/velum_tests --gtest_brief=1{flt}", log, 900)
        return gtest_failed(log)
    if kind not in ("wintests", "wine"):
        sys.exit(f"unknown suite {suite}")
    for _ in range(3):
        if kind == "wintests":
            rc = run(WINTESTS.format(f=arg or "*"), log, 900)
            if rc != 3:
                return gtest_failed(log)
        else:
            run(f"bash scripts/run-wine-tests.sh build/mingw64 '{arg}'", log, 900)
            text = open(log, errors="replace").read()
            if "WINE-SESSION-FAILED" not in text:
                return f"PASS {arg} " not in text
    return None


def main():
    args = sys.argv[1:]
    check_only = "--check" in args
    rev = None
    if "--tree" in args:
        at = args.index("--tree")
        if at + 1 == len(args):
            sys.exit("--tree needs a commit")
        rev = args[at + 1]
        del args[at:at + 2]
    patterns = [a for a in args if a != "--check"] or ["*"]
    faults = [f for f in parse_faults(os.path.join(ROOT, "tests", "mutants", "faults.txt"))
              if any(fnmatch.fnmatch(f.ident, p) for p in patterns)]
    if not faults:
        sys.exit("no fault matches " + " ".join(patterns))

    # Every fault must apply before anything is built (checked on the files in memory).
    files = tree_files(rev)
    bad = []
    for f in faults:
        texts = {}
        for rel, old, new in f.hunks:
            text = texts.get(rel, files.get(rel, (b"", 0))[0].decode("utf-8"))
            if text.count(old) != 1:
                bad.append(f"{f.ident}: {rel}: the old text occurs {text.count(old)} times")
                break
            texts[rel] = text.replace(old, new)
    if bad or check_only:
        print("\n".join(bad) or f"all {len(faults)} faults apply")
        sys.exit(1 if bad else 0)

    os.makedirs(WORK, exist_ok=True)
    sync_tree(rev)
    shutil.rmtree(LOGS, ignore_errors=True)
    os.makedirs(LOGS)

    if os.nice(0) < 15:
        os.nice(15 - os.nice(0))
    for var, value in (("CMAKE_C_COMPILER_LAUNCHER", "ccache"), ("CMAKE_CXX_COMPILER_LAUNCHER", "ccache"),
                       ("CCACHE_BASEDIR", "/work"), ("CCACHE_DIR", "/work/.ccache")):
        os.environ.setdefault(var, value)

    suites = sorted({s for f in faults for s in f.suites})
    presets = sorted({p for s in suites for p in presets_for(s)})
    for preset in presets:
        if run(f"cmake --preset {preset}", os.path.join(LOGS, f"configure-{preset}.log"), 1800) != 0:
            sys.exit(f"configure {preset} failed: see build/mutants/logs/configure-{preset}.log")
    error = build(presets, "baseline")
    if error:
        sys.exit("unchanged code: " + error)
    # One Wine session for every in-process filter: a session start costs more than the tests.
    together = [s for s in suites if s.startswith("wintests=")]
    if len(together) > 1:
        started = time.time()
        if run_suite("wintests=" + ":".join(s.partition("=")[2] for s in together), "baseline", "wintests-all") is False:
            print(f"baseline {len(together)} wintests filters together: pass ({time.time() - started:.0f} s)", flush=True)
            suites = [s for s in suites if s not in together]
    for suite in suites:
        started = time.time()
        failed = run_suite(suite, "baseline")
        if failed:
            # A Wine script may lose to a busy machine once; a fault must not be blamed for that.
            print(f"baseline {suite}: failed once, trying again", flush=True)
            failed = run_suite(suite, "baseline-again")
        if failed is not False:
            sys.exit(f"unchanged code: {suite} " + ("fails" if failed else "could not run") +
                     " (build/mutants/logs/baseline-*.log)")
        print(f"baseline {suite}: passes ({time.time() - started:.0f} s)", flush=True)

    report = open(os.path.join(WORK, "report.txt"), "w")
    caught = 0
    for f in faults:
        started = time.time()
        tag = f.ident.replace("/", "_")
        originals = apply(f)
        try:
            result = build(sorted({p for s in f.suites for p in presets_for(s)}), tag)
            if not result:
                result = "SURVIVED"
                for suite in f.suites:
                    failed = run_suite(suite, tag)
                    if failed is None:
                        result = f"not run: no Wine session for {suite}"
                    elif failed:
                        result = f"caught by {suite}"
                        caught += 1
                        break
        finally:
            restore(originals)
        line = f"{f.ident:44} {result:32} {time.time() - started:5.0f} s  {f.what}"
        print(line, flush=True)
        report.write(line + "\n")
    summary = f"{caught} of {len(faults)} faults caught"
    print(summary)
    report.write(summary + "\n")


if __name__ == "__main__":
    main()
