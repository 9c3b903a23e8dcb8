#!/usr/bin/env python3
"""The layer check fails on each way a library can reach one above it."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECK = pathlib.Path(__file__).resolve().parent.parent / "check-layers.py"


class ClimbingUses(unittest.TestCase):
    def check(self, files):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                path = pathlib.Path(root, name)
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text(text)
            return subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)

    def test_each_form_of_a_climbing_use_fails(self):
        base = {"player/CMakeLists.txt": "add_subsystem(player DEPENDS toolkit foundation)\n",
                "player/lyrics/Lyrics.cpp": '#include "foundation/xml/Element.h"\n#include <vector>\n'}
        self.assertEqual(self.check(base).returncode, 0)
        climbing = {
            "angle-bracket include": {"player/lyrics/Lyrics.cpp": "#include <app/App.h>\n"},
            "relative include": {"player/lyrics/Lyrics.cpp": '#include "../../app/App.h"\n'},
            "test program link": {"player/CMakeLists.txt": base["player/CMakeLists.txt"] +
                                  "target_link_libraries(player_tests PRIVATE downloaders)\n"},
        }
        for form, change in climbing.items():
            with self.subTest(form):
                result = self.check({**base, **change})
                self.assertEqual(result.returncode, 1, result.stdout)


if __name__ == "__main__":
    unittest.main()
