"""The help's HTML sources and the help.chm built from them."""

import configparser
import os
import re
import subprocess
import tempfile
import unittest
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

SOURCES = Path(os.environ.get("TAVRIK_HELP_SOURCES", Path(__file__).resolve().parent.parent / "help"))


class _Links(HTMLParser):
    """Collects the href and src targets, the ids and the sitemap Local params of a page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links, self.ids, self.locals, self.title = [], set(), [], ""
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])
        for name in ("id", "name"):
            if attrs.get(name) and tag != "param":
                self.ids.add(attrs[name])
        if tag == "param" and (attrs.get("name") or "").lower() == "local":
            self.locals.append(attrs.get("value", ""))
        self._in_title = tag == "title"

    def handle_endtag(self, tag):
        self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def parse(path):
    parser = _Links()
    parser.feed(path.read_text(encoding="utf-8"))
    return parser


def local_target(link):
    """The file and fragment a link names inside the help, or None for an outside address."""
    parts = urlsplit(link)
    if parts.scheme or parts.netloc:
        return None
    return unquote(parts.path), parts.fragment


def project_files():
    ini = configparser.ConfigParser(allow_no_value=True, interpolation=None, delimiters=("=",))
    ini.optionxform = str
    ini.read(SOURCES / "help.hhp", encoding="utf-8")
    return ini, [name for name in ini["FILES"]]


class HelpSources(unittest.TestCase):
    def test_contents_and_every_local_link_resolve(self):
        # Guards against a help page that the contents, the index or another page links to but that is missing.
        pages = sorted(SOURCES.glob("*.html"))
        self.assertGreater(len(pages), 5)
        parsed = {p.name: parse(p) for p in pages}
        for name, page in parsed.items():
            self.assertTrue(page.title.strip(), f"{name} has no title")
            for link in page.links:
                target = local_target(link)
                if target is None:
                    continue
                file, fragment = target
                file = file or name
                with self.subTest(page=name, link=link):
                    self.assertTrue((SOURCES / file).is_file(), f"{name} links to missing {file}")
                    if fragment and file.endswith(".html"):
                        self.assertIn(fragment, parsed[file].ids)

        # Every page is reachable from the contents page, so none is lost to a reader.
        reached, todo = set(), ["index.html"]
        while todo:
            name = todo.pop()
            if name in reached or name not in parsed:
                continue
            reached.add(name)
            todo += [t[0] for t in map(local_target, parsed[name].links)
                     if t and t[0].endswith(".html")]
        self.assertEqual(reached, set(parsed), "pages no link leads to")

        for sitemap in ("help.hhc", "help.hhk"):
            targets = parse(SOURCES / sitemap).locals
            self.assertTrue(targets, sitemap)
            for target in targets:
                self.assertTrue((SOURCES / target).is_file(), f"{sitemap} names missing {target}")
        self.assertEqual(set(parse(SOURCES / "help.hhc").locals), set(parsed),
                         "the table of contents and the pages differ")

        ini, listed = project_files()
        self.assertEqual(set(listed), {p.name for p in SOURCES.glob("*.html")} | {"style.css"})
        options = ini["OPTIONS"]
        self.assertEqual(options["Compiled file"], "help.chm")
        for key in ("Contents file", "Index file", "Default topic"):
            self.assertTrue((SOURCES / options[key]).is_file(), key)


class HelpChm(unittest.TestCase):
    def test_chm_holds_every_page(self):
        # Guards against a help.chm that is missing, empty, or lacks pages, contents or index.
        chm = Path(os.environ["TAVRIK_HELP_CHM"])
        self.assertTrue(chm.is_file(), f"{chm} was not built")
        self.assertEqual(chm.read_bytes()[:4], b"ITSF")
        with tempfile.TemporaryDirectory() as out:
            done = subprocess.run(["extract_chmLib", str(chm), out], capture_output=True, text=True)
            self.assertEqual(done.returncode, 0, done.stderr)
            _, listed = project_files()
            for name in listed + ["help.hhc", "help.hhk"]:
                with self.subTest(file=name):
                    extracted = Path(out) / name
                    self.assertTrue(extracted.is_file(), f"{name} is not in help.chm")
                    self.assertEqual(extracted.read_bytes(), (SOURCES / name).read_bytes())
            system = (Path(out) / "#SYSTEM").read_bytes()
            self.assertIn(b"index.html", system, "no default topic")
            self.assertTrue(re.search(rb"Tavrik Help", system), "no title")


if __name__ == "__main__":
    unittest.main()
