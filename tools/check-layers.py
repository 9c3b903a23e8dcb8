#!/usr/bin/env python3
"""Lists every include and every library link that climbs the stack of libraries, and fails
on one. Each library may use only those below it:

    foundation -> toolkit -> texteditor -> player -> words -> downloaders -> app

A library's tests count as the library, and may also use testsupport, which every test
program links; testsupport itself uses only foundation."""
import pathlib
import re
import sys

STACK = ["foundation", "toolkit", "texteditor", "player", "words", "downloaders", "app"]
RANK = {name: float(i) for i, name in enumerate(STACK)}
RANK["testsupport"] = 0.5

ROOT = pathlib.Path(__file__).resolve().parent.parent
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+)/')
SUBSYSTEM = re.compile(r"add_subsystem\(\s*(\w+)((?:\s+[^)]*)?)\)", re.S)
LINK = re.compile(r"target_link_libraries\(\s*(\w+)\s+(?:PUBLIC|PRIVATE|INTERFACE)?([^)]*)\)", re.S)


def climbing_includes():
    for folder, rank in RANK.items():
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h", ".c"):
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            is_test = "tests" in path.relative_to(ROOT).parts
            for number, line in enumerate(text.splitlines(), 1):
                match = INCLUDE.match(line)
                if not match or (is_test and match.group(1) == "testsupport"):
                    continue
                if RANK.get(match.group(1), -1) > rank:
                    yield f"{path.relative_to(ROOT)}:{number}: {line.strip()} ({match.group(1)} is above {folder})"


def climbing_links():
    for folder, rank in RANK.items():
        cmake = ROOT / folder / "CMakeLists.txt"
        if not cmake.exists():
            continue
        text = re.sub(r"#.*", "", cmake.read_text())
        links = [(m.group(1), m.group(2)) for m in SUBSYSTEM.finditer(text)]
        links += [(m.group(1), m.group(2)) for m in LINK.finditer(text)]
        for target, words in links:
            if target != folder:
                continue
            for used in words.split():
                if RANK.get(used, -1) > rank:
                    yield f"{cmake.relative_to(ROOT)}: {target} links {used}, which is above it"


def main():
    problems = list(climbing_includes()) + list(climbing_links())
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} uses climb the stack of libraries", file=sys.stderr)
        return 1
    print("The libraries use only those below them.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
