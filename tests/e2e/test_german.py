"""The program on a German desktop: its menus and dialogs speak German, while recordings are named
and settings.dat is written exactly as on an English one."""

import os
import re
import signal
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import dbus

import desktop
from desktop import MAIN_TITLE, WAV_BYTES_PER_SECOND

GERMAN_TS = Path(__file__).resolve().parents[2] / "translations" / "tavrik_de.ts"

# The texts the German run must show translated: (context, English source text).
GERMAN_MENUS = [("MainWindow", "File(&F)"), ("MainWindow", "Edit(&E)"), ("MainWindow", "Action(&A)"),
                ("MainWindow", "Option(&O)"), ("MainWindow", "Help(&H)")]
GERMAN_DIALOG_TITLE = ("OutputNamingDialog", "Output Files")

ENGLISH = {"LANG": "C.UTF-8", "LC_ALL": "C.UTF-8", "LANGUAGE": ""}
GERMAN = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "LANGUAGE": ""}


def translations(ts):
    """{(context, source): translation} of a .ts file; unfilled translations are left out."""
    found = {}
    for context in ElementTree.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            text = message.findtext("translation") or ""
            if text:
                found[(context.findtext("name"), message.findtext("source"))] = text
    return found


def accessible(text):
    """A menu text as the accessibility tree names it: mnemonic marks dropped."""
    return re.sub(r"&(.)", r"\1", text)


def end_started_by(bus_address):
    """Ends the services that the bus at `bus_address` started (AT-SPI's registry daemon outlives
    its bus)."""
    mark = f"DBUS_STARTER_ADDRESS={bus_address}".encode()
    for process in Path("/proc").glob("[0-9]*"):
        try:
            if mark in (process / "environ").read_bytes().split(b"\0"):
                os.kill(int(process.name), signal.SIGTERM)
        except OSError:
            continue


class German(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def menu_titles(self, tavrik):
        """The menu bar's entries as the program tells assistive technology (AT-SPI) about them."""
        session = dbus.bus.BusConnection(self.desktop.bus)
        self.addCleanup(session.close)
        address = session.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
        bus = dbus.bus.BusConnection(address)
        self.addCleanup(bus.close)
        self.addCleanup(end_started_by, address)
        daemon = bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus")

        def children(name, path):
            node = bus.get_object(name, path, introspect=False)
            return (node.GetRoleName(dbus_interface="org.a11y.atspi.Accessible"),
                    node.Get("org.a11y.atspi.Accessible", "Name", dbus_interface=dbus.PROPERTIES_IFACE),
                    [(str(n), str(p)) for n, p in node.GetChildren(dbus_interface="org.a11y.atspi.Accessible")])

        def menu_bar(name, path, depth=0):
            role, _, kids = children(name, path)
            if role == "menu bar":
                return [str(children(*kid)[1]) for kid in kids]
            return next((found for kid in kids if depth < 3 and (found := menu_bar(*kid, depth + 1))), None)

        def titles():
            ours = [n for n in bus.list_names() if n.startswith(":") and daemon.GetConnectionUnixProcessID(
                n, dbus_interface="org.freedesktop.DBus") == tavrik.process.pid]
            try:
                return next((found for n in ours if (found := menu_bar(n, "/org/a11y/atspi/accessible/root"))),
                            None)
            except dbus.DBusException:
                return None  # the tree is not exported yet
        return tavrik.wait_for("the menu bar in the accessibility tree", titles)

    def run_in(self, name, language, dialog_title):
        """Reads the menus, confirms the Output Files dialog, records 1 s and exits."""
        tavrik = self.enterContext(self.desktop.program(name))
        tavrik.write_settings(outputfolder="", filename="take", datetime="0", existedfile="0")
        tavrik.extra_environment.update(language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        menus = self.menu_titles(tavrik)
        tavrik.focus(main)
        tavrik.keys("ctrl+d")
        tavrik.focus(tavrik.window(dialog_title))
        tavrik.keys("Return")
        tavrik.window_gone(dialog_title)
        tavrik.focus(main)
        take = tavrik.app_dir / "take.WAV"
        tavrik.keys("ctrl+r")
        tavrik.wait_for("1 s in take.WAV", lambda: take.exists() and take.stat().st_size > WAV_BYTES_PER_SECOND)
        tavrik.keys("ctrl+s", "ctrl+x")
        self.assertEqual(tavrik.wait_exit(), 0, tavrik.stderr())
        # The dialog stores the run's own folder as the output folder; all else must match byte for byte.
        settings = tavrik.settings_file.read_bytes().replace(bytes(tavrik.app_dir), b"APP_DIR")
        return menus, sorted(p.name for p in tavrik.app_dir.glob("*.WAV")), settings

    def test_german_texts_and_the_same_files(self):
        # Guards against a desktop language that leaves the windows English, or that leaks into
        # file names or the settings file.
        german = translations(GERMAN_TS)
        missing = [source for context, source in [*GERMAN_MENUS, GERMAN_DIALOG_TITLE]
                   if (context, source) not in german]
        self.assertEqual(missing, [], f"{GERMAN_TS.name} has no German for these")

        english_menus, english_files, english_settings = self.run_in(
            "english", ENGLISH, GERMAN_DIALOG_TITLE[1])
        german_menus, german_files, german_settings = self.run_in(
            "german", GERMAN, german[GERMAN_DIALOG_TITLE])

        self.assertEqual(english_menus, [accessible(source) for _, source in GERMAN_MENUS])
        self.assertEqual(german_menus, [accessible(german[key]) for key in GERMAN_MENUS])
        self.assertEqual(german_files, ["take.WAV"])
        self.assertEqual(german_files, english_files)
        self.assertEqual(german_settings, english_settings)


if __name__ == "__main__":
    unittest.main()
