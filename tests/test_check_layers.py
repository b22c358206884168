"""scripts/check-layers.py against a copy of the sources with one fault planted at a time."""

import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SCRIPT = ROOT / "scripts" / "check-layers.py"

# (file to change, line appended or text replaced, text the report must hold)
FAULTS = [
    ("src/recordings/ProjectFile.cpp", "#include <record/RecordingSession.h>", "one feature includes another"),
    ("src/formats/FormatSettings.cpp", '#include "../record/RecordingSession.h"', "one feature includes another"),
    ("src/base/SettingsFile.cpp", "#include <QColor>", "Qt widget or gui header QColor"),
    ("src/engine/dsp/LevelMeter.cpp", "#include <QtWidgets/QWidget>", "Qt widget or gui header QtWidgets/QWidget"),
    ("CMakeLists.txt", ("PUBLIC Qt6::Core ", "PUBLIC Qt6::Core Qt6::Widgets "), "core library links Qt6::Widgets"),
]


class CheckLayers(unittest.TestCase):
    def run_check(self, root):
        return subprocess.run([sys.executable, "-B", str(SCRIPT), str(root)], capture_output=True, text=True)

    def test_sources_as_they_are_pass(self):
        result = self.run_check(ROOT)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_each_planted_fault_is_reported(self):
        for name, change, report in FAULTS:
            with self.subTest(name=name, change=change), tempfile.TemporaryDirectory() as folder:
                copy = Path(folder)
                shutil.copytree(ROOT / "src", copy / "src")
                shutil.copy(ROOT / "CMakeLists.txt", copy)
                path = copy / name
                text = path.read_text(encoding="utf-8")
                if isinstance(change, tuple):
                    self.assertIn(change[0], text)
                    text = text.replace(*change)
                else:
                    text += change + "\n"
                path.write_text(text, encoding="utf-8")
                result = self.run_check(copy)
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(report, result.stdout)


if __name__ == "__main__":
    unittest.main()
