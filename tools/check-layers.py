#!/usr/bin/env python3
"""Lists every include and every library link that climbs the stack of libraries, and fails
on one. Each library may use only those below it:

    foundation -> toolkit -> texteditor -> player -> words -> downloaders -> app

A library's tests count as the library, and may also use testsupport, which every test
program links; testsupport itself uses only foundation. Includes count in either form
("..." or <...>) and relative to the including file ("../../app/App.h"); links count for
every target a library's CMake file links, its test programs among them.

Usage: check-layers.py [SOURCE_ROOT] (the project's own tree when none is given)."""
import os
import pathlib
import re
import sys

STACK = ["foundation", "toolkit", "texteditor", "player", "words", "downloaders", "app"]
RANK = {name: float(i) for i, name in enumerate(STACK)}
RANK["testsupport"] = 0.5

INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')
SUBSYSTEM = re.compile(r"add_subsystem\(\s*(\w+)((?:\s+[^)]*)?)\)", re.S)
LINK = re.compile(r"target_link_libraries\(\s*([\w-]+)([^)]*)\)", re.S)


def included_library(root, source, included):
    """The library an include names: its first folder from the source root, or, for a
    quoted include that starts from the including file's folder, where that leads."""
    parts = pathlib.PurePosixPath(included.replace("\\", "/")).parts
    if parts and parts[0] in (".", ".."):
        target = pathlib.Path(os.path.normpath(source.parent / included.replace("\\", "/")))
        try:
            parts = target.relative_to(root).parts
        except ValueError:
            return None
    return parts[0] if len(parts) > 1 else None


def climbing_includes(root):
    for folder, rank in RANK.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h", ".c"):
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            is_test = "tests" in path.relative_to(root).parts
            for number, line in enumerate(text.splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                used = included_library(root, path, match.group(1) or match.group(2))
                if used is None or (is_test and used == "testsupport"):
                    continue
                if RANK.get(used, -1) > rank:
                    yield f"{path.relative_to(root)}:{number}: {line.strip()} ({used} is above {folder})"


def climbing_links(root):
    for folder, rank in RANK.items():
        for cmake in sorted((root / folder).rglob("CMakeLists.txt")):
            text = re.sub(r"#.*", "", cmake.read_text())
            links = [(m.group(1), m.group(2)) for m in SUBSYSTEM.finditer(text)]
            links += [(m.group(1), m.group(2)) for m in LINK.finditer(text)]
            # Every target made here belongs to the library: its tests as much as itself.
            for target, words in links:
                for used in words.split():
                    if used == "testsupport" and target.endswith("_tests"):
                        continue
                    if RANK.get(used, -1) > rank:
                        yield f"{cmake.relative_to(root)}: {target} links {used}, which is above {folder}"


def main(argv):
    root = pathlib.Path(argv[1]).resolve() if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    problems = list(climbing_includes(root)) + list(climbing_links(root))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} uses climb the stack of libraries", file=sys.stderr)
        return 1
    print("The libraries use only those below them.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
