"""The ID3 editor opened with Ctrl+E and worked from the keyboard, checked on the files."""

import json
import math
import os
import stat
import struct
import subprocess
import unittest
import wave

import desktop
from desktop import EDITOR_TITLE, MAIN_TITLE


def make_mp3(path, hz, tags):
    """A one-second MP3 with ID3v1 and ID3v2.3 tags written by the id3v2 tool."""
    pcm = path.with_suffix(".wav")
    with wave.open(str(pcm), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(44100)
        w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * hz * i / 44100)))
                               for i in range(44100)))
    subprocess.run(["lame", "--quiet", "-b", "64", str(pcm), str(path)], check=True)
    pcm.unlink()
    subprocess.run(["id3v2", "-t", tags["title"], "-a", tags["artist"], "-A", tags["album"],
                    "-y", tags["year"], "-T", tags["track"], "-c", tags["comment"],
                    "-g", tags["genre"], str(path)], check=True)


def id3v1(path):
    tag = path.read_bytes()[-128:]
    assert tag[:3] == b"TAG", f"{path.name} has no ID3v1 tag"

    def text(field):
        return field.split(b"\0")[0].decode("latin-1").rstrip()
    return {"title": text(tag[3:33]), "artist": text(tag[33:63]), "album": text(tag[63:93]),
            "year": text(tag[93:97]), "comment": text(tag[97:125]),
            "track": str(tag[126]) if tag[125] == 0 else "", "genre": str(tag[127])}


def id3v2(path):
    # ffprobe shows the ID3v2 tag when there is one.
    probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format_tags", "-of", "json",
                            str(path)], capture_output=True, text=True, check=True)
    return json.loads(probe.stdout)["format"].get("tags", {})


class TagEditor(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = cls.enterClassContext(desktop.Desktop())

    def songs(self, name, titles):
        folder = self.desktop.root / name
        folder.mkdir()
        for n, title in enumerate(titles, 1):
            make_mp3(folder / f"{title}.mp3", 200 * n,
                     {"title": f"Title {title}", "artist": f"Artist {title}", "album": f"Album {title}",
                      "year": f"200{n}", "track": str(n), "comment": f"Comment {title}",
                      "genre": str(7 + n)})
        return folder

    def open_editor(self, tavrik, folder):
        tavrik.set_editor_folder(str(folder))
        tavrik.start()
        main = tavrik.window(MAIN_TITLE)
        tavrik.focus(main)
        mp3s = {p.name for p in folder.glob("*.mp3") if p.is_file()}
        with desktop.FolderReads(folder) as reads:
            tavrik.keys("ctrl+e")
            editor = tavrik.window(EDITOR_TITLE, 10)
            # Keys go in only once the list is there: the editor has read every MP3 of the folder.
            tavrik.wait_for("the editor to read the MP3 files", lambda: reads.names() >= mp3s)
            tavrik.wait_idle("the editor to list them")
        tavrik.focus(editor)
        return main

    def close_editor_and_exit(self, tavrik, main):
        tavrik.keys("Escape")
        tavrik.window_gone(EDITOR_TITLE)
        tavrik.focus(main)
        tavrik.keys("ctrl+x")
        return tavrik.wait_exit()

    def test_save_goes_to_the_row_moved_to_by_keyboard(self):
        # Guards against pages staying with a file the keyboard left, so Save writes its tags into another.
        folder = self.songs("songs", ["alpha", "bravo", "charlie"])
        before = {p.name: p.read_bytes() for p in folder.iterdir()}
        bravo = folder / "bravo.mp3"
        v1, v2 = id3v1(bravo), id3v2(bravo)
        tavrik = self.enterContext(self.desktop.program("keyboard"))
        main = self.open_editor(tavrik, folder)

        # The folder tree has the focus and alpha, the first file, is shown. Tab leads into the
        # file list, Down to bravo; three tab stops on (the page tabs, "ID3v1 tag") is Track #.
        tavrik.keys("Tab", "Down", "Tab", "Tab", "Tab", "9", "ctrl+s")
        tavrik.wait_for("Save to write bravo.mp3", lambda: bravo.read_bytes() != before["bravo.mp3"])
        status = self.close_editor_and_exit(tavrik, main)

        self.assertEqual(id3v1(bravo), {**v1, "track": "9"})
        self.assertEqual(id3v2(bravo), v2)
        for name in ("alpha.mp3", "charlie.mp3"):
            self.assertTrue((folder / name).read_bytes() == before[name], f"{name} was written")
        self.assertEqual(status, 0, tavrik.stderr())

    def test_fifo_in_the_folder(self):
        # Guards against the editor hanging forever in open() on a FIFO named like an MP3.
        folder = self.songs("fifo", ["real"])
        os.mkfifo(folder / "x.mp3")
        real = folder / "real.mp3"
        before = real.read_bytes()
        v1 = id3v1(real)
        tavrik = self.enterContext(self.desktop.program("fifo"))
        main = self.open_editor(tavrik, folder)

        # Tab into the list, where the real file is the first row and shown, and on to its Track #.
        tavrik.keys("Tab", "Tab", "Tab", "Tab", "7", "ctrl+s")
        tavrik.wait_for("Save to write real.mp3", lambda: real.read_bytes() != before)
        status = self.close_editor_and_exit(tavrik, main)

        self.assertEqual(id3v1(real), {**v1, "track": "7"})
        self.assertTrue(stat.S_ISFIFO((folder / "x.mp3").stat().st_mode))
        self.assertEqual(status, 0, tavrik.stderr())


    def test_untagged_file_gets_none_of_the_previous_files_tags(self):
        # Guards against the pages keeping the previous file's values, so that ticking the tag of a
        # file without one and saving writes the other file's tags into it.
        folder = self.songs("untagged", ["alpha", "bravo"])
        bravo = folder / "bravo.mp3"
        subprocess.run(["id3v2", "-D", str(bravo)], check=True, capture_output=True)
        before = bravo.read_bytes()
        tavrik = self.enterContext(self.desktop.program("untagged"))
        main = self.open_editor(tavrik, folder)

        # Tab into the list, Down to bravo; on the page tabs Right shows the ID3v2 page; Tab to
        # "ID3v2 tag", tick it, then past Track # to Title.
        tavrik.keys("Tab", "Down", "Tab", "Right", "Tab", "space", "Tab", "Tab", "shift+t", "y", "p", "e", "d",
                    "ctrl+s")
        tavrik.wait_for("Save to write bravo.mp3", lambda: bravo.read_bytes() != before)
        status = self.close_editor_and_exit(tavrik, main)

        self.assertEqual(id3v2(bravo), {"title": "Typed"})
        self.assertNotEqual(bravo.read_bytes()[-128:][:3], b"TAG")
        self.assertEqual(status, 0, tavrik.stderr())

if __name__ == "__main__":
    unittest.main()
