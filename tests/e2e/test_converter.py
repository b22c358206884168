"""The converter in the real program: opened by Ctrl+C, driven from the keyboard."""

import json
import subprocess
import unittest

import desktop
from desktop import MAIN_TITLE


class Converter(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def test_ctrl_c_converts_to_mp3(self):
        # Guards against the converter being unreachable from the main window, or a conversion that leaves
        # no playable file.
        tavrik = self.enterContext(self.desktop.program("converter"))
        source = tavrik.app_dir / "tone.wav"
        subprocess.run(["sox", "-n", "-r", "22050", "-c", "1", str(source), "synth", "3", "sine", "1000"],
                       check=True)
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+c")
        converter = tavrik.window("Audio Converter")
        tavrik.focus(converter)
        # The input box has the focus first; Tab twice reaches the MP3 box; Return presses Convert.
        tavrik.keys("ctrl+a")
        self.desktop.xdotool("type", "--delay", "5", str(source))
        tavrik.keys("Tab", "Tab", "space", "Return")
        output = tavrik.app_dir / "tone_128kbps.mp3"
        tavrik.wait_for("the MP3 file", output.exists, 30)
        probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "stream=codec_name,sample_rate:"
                                "format=duration", "-of", "json", str(output)],
                               capture_output=True, text=True, check=True)
        info = json.loads(probe.stdout)
        self.assertEqual(info["streams"][0]["codec_name"], "mp3")
        self.assertEqual(info["streams"][0]["sample_rate"], "44100")
        self.assertAlmostEqual(float(info["format"]["duration"]), 3.0, delta=0.1)
        self.assertEqual(list(tavrik.app_dir.glob(".*.part.*")), [])


if __name__ == "__main__":
    unittest.main()
