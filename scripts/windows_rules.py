"""Sorts the differences between rivez's JSON on Linux and rivez.exe's under Wine by the
platform rules of docs/windows.md, and checks the census's accounting on Windows.
Usage: windows_rules.py LINUX_RIVEZ CORPUS WORKDIR (as scripts/windows-same.sh leaves it)."""
import json
import subprocess
import sys
import tempfile
from collections import Counter
from pathlib import Path

# The code page each importer reads by on Windows: CKVDxf::Open sets the user's locale (ANSI
# code page 1252); the other two importers set none, and the runtime's "C" locale takes each
# byte as the character of its value.
CODE_PAGE = {"dxf": "cp1252", "die": "latin-1", "plt": "latin-1"}
# What the Windows runtime's iswspace adds to a trim, among the characters these code pages give.
WINDOWS_SPACE = " \t\n\v\f\r\u00a0"
# Maths functions may differ in the last bits: relative to the drawing's largest number.
MATHS_TOLERANCE = 1e-12


def as_windows_reads(data, importer):
    """The file as Windows reads it, written so that Linux reads the same characters: up to the
    first Ctrl-Z, each byte decoded by the importer's code page, as UTF-8. With the rules this
    took."""
    rules = []
    if b"\x1a" in data:
        data = data[:data.index(b"\x1a")]
        rules.append("ctrl-z")
    if any(b > 127 for b in data):
        # Bytes 1252 leaves undefined come through as the character of their value.
        text = "".join(bytes([b]).decode(CODE_PAGE[importer], errors="replace")
                       .replace("\ufffd", chr(b)) for b in data)
        data = text.encode("utf-8")
        rules.append("code-page")
    return data, rules


def differences(a, b, path=""):
    """Pairs of differing leaves: (path, linux, windows); None where the shapes differ."""
    if type(a) != type(b):
        return None
    if isinstance(a, dict):
        if list(a) != list(b):
            return None
        pairs = [(a[key], b[key], path + "/" + key) for key in a]
    elif isinstance(a, list):
        if len(a) != len(b):
            return None
        pairs = [(x, y, f"{path}/{i}") for i, (x, y) in enumerate(zip(a, b))]
    else:
        return [] if a == b else [(path, a, b)]
    found = []
    for x, y, where in pairs:
        sub = differences(x, y, where)
        if sub is None:
            return None
        found += sub
    return found


def largest(value):
    if isinstance(value, dict):
        value = list(value.values())
    if isinstance(value, list):
        return max((largest(v) for v in value), default=0.0)
    return abs(value) if isinstance(value, (int, float)) else 0.0


def leaf_rules(linux, windows):
    """The rules that explain the remaining differences leaf by leaf, or None."""
    found = differences(linux, windows)
    if found is None:
        return None
    tolerance = MATHS_TOLERANCE * max(1.0, largest(linux))
    rules = set()
    for _, lx, wx in found:
        if isinstance(lx, str) and isinstance(wx, str) and lx.strip(WINDOWS_SPACE) == wx:
            rules.add("code-page")
        elif isinstance(lx, float) and isinstance(wx, float) and abs(lx - wx) <= tolerance:
            rules.add("maths")
        else:
            return None
    return rules


def rules_of(linux_rivez, importer, name, data, linux, windows):
    """The platform rules that explain why the two JSON texts differ, or None."""
    data, rules = as_windows_reads(data, importer)
    if rules:
        with tempfile.TemporaryDirectory() as folder:
            copy = Path(folder) / Path(name).name
            copy.write_bytes(data)
            linux = subprocess.run([linux_rivez, "--importer", importer, "--format", "json",
                                    str(copy)], capture_output=True, text=True).stdout
    rest = leaf_rules(json.loads(linux), json.loads(windows))
    return None if rest is None else "+".join(sorted(set(rules) | rest))


def main(linux_rivez, corpus, work):
    corpus, work = Path(corpus), Path(work)
    failed = False
    for importer in ("dxf", "die", "plt"):
        names_file = work / f"{importer}.files"
        if not names_file.exists():
            continue
        names = names_file.read_text().splitlines()
        linux = (work / f"{importer}.linux").read_text(encoding="utf-8").splitlines()
        windows = (work / f"{importer}.windows").read_text(encoding="utf-8").splitlines()
        explain = (work / f"{importer}.explain").read_text(encoding="utf-8").splitlines()
        if not len(names) == len(linux) == len(windows) == len(explain):
            print(f"{importer}: {len(names)} files but {len(linux)} Linux, {len(windows)} "
                  f"Windows and {len(explain)} census answers")
            failed = True
            continue
        rules, unexplained = Counter(), []
        for name, lx, wx in zip(names, linux, windows):
            if lx == wx:
                rules["same"] += 1
                continue
            rule = rules_of(linux_rivez, importer, name, (corpus / name).read_bytes(), lx, wx)
            rules[rule or "UNEXPLAINED"] += 1
            if rule is None:
                unexplained.append(name)
        census = []
        for name, line in zip(names, explain):
            e = json.loads(line)
            rows = e["accounting"] + e["blockAccounting"]
            if any(r["unexplained"] for r in rows) or any(w["code"] == "unexplained"
                                                           for w in e["warnings"]):
                census.append(name)
        print(f"{importer}: {len(names)} files: " +
              ", ".join(f"{rule} {count}" for rule, count in sorted(rules.items())) +
              f"; census unexplained on Windows: {len(census)}")
        for name in unexplained:
            print(f"  differs, no rule explains it: {name}")
        for name in census:
            print(f"  census leaves entities unexplained on Windows: {name}")
        failed = failed or bool(unexplained or census)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
