"""The audio player in the real program: opened with Ctrl+P, driven through the desktop's media
controls (MPRIS, playerctl) with a CD image standing in for a disc, heard on the sink."""

import os
import subprocess
import time
import unittest

import desktop
from desktop import MAIN_TITLE

SECTOR = 2352


def write_disc(folder, tones):
    """A CUE/BIN image of 44.1 kHz 16-bit stereo tones, one track per (seconds, hz)."""
    data = b""
    sheet = 'FILE "disc.bin" BINARY\n'
    for number, (seconds, hz) in enumerate(tones, 1):
        raw = subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", "-b", "16", "-e", "signed", "-L",
                              "-t", "raw", "-", "synth", str(seconds), "sine", str(hz), "gain", "-6"],
                             capture_output=True, check=True).stdout
        sector = len(data) // SECTOR
        data += raw + b"\0" * (-len(raw) % SECTOR)
        sheet += (f"  TRACK {number:02d} AUDIO\n    TITLE \"Tone {hz}\"\n"
                  f"    INDEX 01 {sector // 75 // 60:02d}:{sector // 75 % 60:02d}:{sector % 75:02d}\n")
    (folder / "disc.bin").write_bytes(data)
    (folder / "disc.cue").write_text(sheet)
    return folder / "disc.cue"


class AudioPlayer(unittest.TestCase):
    def playerctl(self, *args):
        done = subprocess.run(["playerctl", "--player=tavrik", *args], capture_output=True, text=True,
                              env={**os.environ, "DBUS_SESSION_BUS_ADDRESS": self.screen.bus}, timeout=15)
        return done.stdout.strip()

    def test_disc_image_plays_through_the_desktop_controls(self):
        # Guards against a player that cannot be opened, reached from the desktop, or heard in the real program.
        self.screen = self.enterContext(desktop.Desktop())
        tavrik = self.enterContext(self.screen.program("player"))
        cue = write_disc(self.screen.root, [(4, 1000), (4, 440)])
        monitor = self.enterContext(desktop.SinkMonitor("out", self.screen.root / "heard.raw"))
        tavrik.start()
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+p")
        player = tavrik.window("Audio Player")
        tavrik.wait_for("the player on the session bus", lambda: self.playerctl("status") == "Stopped")
        time.sleep(1)  # the monitor delivers late to a reader that has just attached

        monitor.listen_from_now()
        self.playerctl("open", cue.as_uri())
        tavrik.wait_for("the first track heard", lambda: monitor.seconds_of_tone(1000) >= 1.5, 15)
        self.assertEqual(self.playerctl("metadata", "title"), "Tone 1000")
        self.assertEqual(self.playerctl("status"), "Playing")
        monitor.listen_from_now()
        self.playerctl("next")
        tavrik.wait_for("the second track heard", lambda: monitor.seconds_of_tone(440) >= 1.5, 15)
        self.assertEqual(self.playerctl("metadata", "title"), "Tone 440")
        self.playerctl("pause")
        tavrik.wait_for("the pause", lambda: self.playerctl("status") == "Paused")

        tavrik.focus(player)
        tavrik.keys("Escape")
        tavrik.window_gone("Audio Player")
        tavrik.wait_for("the player off the bus", lambda: self.playerctl("status") == "")
        stored = desktop.read_ini(tavrik.config_dir / "tavrik" / "tavrik.conf")
        self.assertTrue(stored.get("Audio%20Player", "MAINTOP", fallback="").isdigit())
        tavrik.focus(tavrik.window(MAIN_TITLE))
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())

    def test_minimised_player_leaves_the_main_window(self):
        # Guards against the player's Minimize taking the main window away for good: once the
        # player is restored and closed, the main window is on screen again.
        self.screen = self.enterContext(desktop.Desktop())
        self.screen.start_window_manager()
        self.screen.start_tray_host()
        tavrik = self.enterContext(self.screen.program("minimise"))
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        tavrik.tray_icon()
        tavrik.focus(main)
        tavrik.keys("ctrl+p")
        player = tavrik.window("Audio Player")
        # The player's own Minimize button, on the right of its top bar.
        self.screen.xdotool("mousemove", "--window", str(player), "237", "7", "click", "1")
        tavrik.wait_for("the player minimised", lambda: self.screen.window_state(player) == "Iconic")
        self.assertIn(self.screen.window_state(main), ("Normal", "Iconic"), "the main window left the desktop")

        # Restored as a task bar restores it, then closed.
        self.screen.xdotool("windowactivate", str(player))
        tavrik.wait_for("the player restored", lambda: self.screen.window_state(player) == "Normal")
        tavrik.focus(player)
        tavrik.keys("Escape")
        tavrik.window_gone("Audio Player")
        main = tavrik.window(MAIN_TITLE, 5)
        self.assertEqual(self.screen.window_state(main), "Normal")
        tavrik.focus(main)
        tavrik.keys("ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())


if __name__ == "__main__":
    unittest.main()
