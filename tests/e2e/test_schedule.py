"""A scheduled recording in the real program, by the real clock."""

import datetime
import unittest

import desktop
from desktop import MAIN_TITLE, seconds_in, tone_windows


class Schedule(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def test_entry_records_its_window(self):
        # Guards against a scheduled entry that does not start or stop by the clock in the real
        # program, records the wrong length, is not kept from sleep, or is not saved as done with its file.
        logind = desktop.BusStandIn(self.desktop.root, "fake_logind.py")
        self.addCleanup(logind.close)
        tavrik = self.enterContext(self.desktop.program("schedule"))
        tavrik.write_settings(outputfolder="", filename="sched", datetime="0", existedfile="0")
        tavrik.extra_environment["DBUS_SYSTEM_BUS_ADDRESS"] = logind.address
        # The ISO form is read in any locale.
        start = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
        stop = start + datetime.timedelta(seconds=4)
        schedule = tavrik.app_dir / "schedule.dat"
        schedule.write_bytes(f"{start.isoformat(' ')}\t{stop.isoformat(' ')}\t\tWaiting\te2e\r\n".encode())
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)

        take = tavrik.app_dir / "sched.WAV"
        tavrik.wait_for("the scheduled recording to begin", take.exists, 10)
        tavrik.wait_for("the sleep lock", lambda: any(l.startswith("taken") for l in logind.lines), 5)
        self.assertIn("taken sleep|Tavrik|Scheduled recording|block", logind.lines)
        self.assertNotIn("released", logind.lines, "the lock went before the stop time")
        tavrik.wait_for("the scheduled stop to give the lock back", lambda: "released" in logind.lines, 10)
        self.assertGreaterEqual(datetime.datetime.now(), stop)

        tavrik.focus(main)
        tavrik.keys("ctrl+x")
        status = tavrik.wait_exit()
        self.assertEqual(status, 0, "exit status (negative: killed by that signal)\n" + tavrik.stderr())

        seconds = seconds_in(take)
        self.assertAlmostEqual(seconds, 4.0, delta=0.5)
        self.assertEqual(tone_windows(take), int(seconds * 4), "quarter seconds without the 1000 Hz tone")
        self.assertEqual([p.name for p in tavrik.app_dir.glob("*.WAV")], ["sched.WAV"])
        self.assertEqual(schedule.read_bytes(),
                         f"{start.isoformat(' ')}\t{stop.isoformat(' ')}\t{take}\tDone\te2e\r\n".encode())
        self.assertEqual(desktop.read_ini(tavrik.settings_file)["set"].get("outputformat"), "0")


if __name__ == "__main__":
    unittest.main()
