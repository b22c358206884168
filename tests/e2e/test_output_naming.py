"""The "Add number after filename" rule, as recordings started from the keyboard meet it."""

import subprocess
import time
import unittest

import desktop
from desktop import MAIN_TITLE


class OutputNaming(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def test_add_number_never_replaces(self):
        # Guards against a recording replacing an older file, or two started in one second sharing a file.
        tavrik = self.enterContext(self.desktop.program("naming"))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        kept = {"take.WAV": b"an older take\n", "take_1.WAV": b"another older take\n"}
        for name, content in kept.items():
            (tavrik.app_dir / name).write_bytes(content)
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))

        recorded = []

        def record(*keys):
            # Starts with `keys` and waits until a recording not yet seen gets sound, which then
            # counts as recorded; a replaced older file counts too, and fails below.
            tavrik.keys(*keys)
            recorded.append(tavrik.wait_for("a recording to get sound", lambda: next(
                (p for p in tavrik.app_dir.glob("take*.WAV")
                 if p not in recorded and p.stat().st_size > 1000), None)))

        record("ctrl+r")
        record("ctrl+s", "ctrl+r")
        numbered = recorded[:]

        tavrik.write_settings(outputfolder="", filename="take", datetime="1", existedfile="0")
        for _ in range(3):
            before = set(tavrik.app_dir.glob("*.WAV"))
            # Right after a second begins, so that both starts fall into it.
            time.sleep(1 - time.time() % 1)
            # The first of the pair stops at once; it must still be a file of its own.
            record("ctrl+s", "ctrl+r", "ctrl+s", "ctrl+r")
            stamped = sorted(set(tavrik.app_dir.glob("*.WAV")) - before)
            stamps = {p.name[:len("take") + 12] for p in stamped}
            if len(stamped) != 2 or len(stamps) == 1:
                break
        tavrik.keys("ctrl+s", "ctrl+x")
        status = tavrik.wait_exit()

        for name, content in kept.items():
            self.assertTrue((tavrik.app_dir / name).read_bytes() == content, f"{name} was replaced")
        self.assertEqual(len(set(numbered)), 2, numbered)
        for path in numbered:
            self.assertRegex(path.name, r"^take_\d+\.WAV$")
        self.assertEqual(len(stamped), 2, f"two recordings within one second: {stamped}")
        self.assertEqual(len(stamps), 1, f"the pair did not start within one second: {stamped}")
        for path in stamped:
            self.assertRegex(path.name, r"^take\d{12}(_\d+)?\.WAV$")
        for path in numbered + stamped:
            rate = subprocess.run(["soxi", "-r", str(path)], capture_output=True, text=True)
            self.assertEqual(rate.stdout.strip(), "44100", f"{path.name}: {rate.stderr}")
        self.assertEqual(status, 0, tavrik.stderr())


if __name__ == "__main__":
    unittest.main()
