"""The translations: every language's .ts holds every text of the sources (lupdate run
anew finds nothing new), each translated, with the placeholders and the Alt+letter marks
of its English text."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
TS_FILES = sorted(glob.glob(os.path.join(REPO, "translations", "tapwell_*.ts")))
LUPDATE = os.environ.get("TAPWELL_LUPDATE", "/usr/lib/qt6/bin/lupdate")


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            yield name, m


def texts(m):
    t = m.find("translation")
    forms = t.findall("numerusform")
    return t, [f.text or "" for f in forms] if forms else [t.text or ""]


def marks(text):
    # %1.., %n, the Alt+letter mark and the lesson pages' {row}, {home1}.. names.
    return (sorted(re.findall(r"%[1-9]|\{[a-z0-9]+\}", text)), text.count("%n"),
            text.replace("&&", "").count("&"))


class Translations(unittest.TestCase):
    def test_there_is_a_file_per_language(self):
        names = {os.path.basename(p) for p in TS_FILES}
        self.assertEqual(names, {"tapwell_%s.ts" % l for l in
                                 ("de", "fr", "es", "it", "pt_BR", "nb")})

    def test_every_text_translated_with_its_marks(self):
        for path in TS_FILES:
            with self.subTest(os.path.basename(path)):
                faults = []
                for context, m in messages(path):
                    source = m.findtext("source")
                    t, translated = texts(m)
                    where = "%s: %r" % (context, source)
                    if t.get("type") in ("unfinished", "vanished", "obsolete"):
                        faults.append("%s is %s" % (where, t.get("type")))
                        continue
                    for text in translated:
                        if not text.strip():
                            faults.append("%s has an empty translation" % where)
                        elif m.get("numerus") == "yes":
                            # A plural form may leave the count out ("one key"); %1.. stay.
                            if marks(text)[0] != marks(source)[0]:
                                faults.append("%s -> %r" % (where, text))
                        elif marks(text) != marks(source):
                            faults.append("%s -> %r" % (where, text))
                self.assertEqual(faults, [])

    @unittest.skipUnless(os.path.exists(LUPDATE), "lupdate (qt6-l10n-tools) not installed")
    def test_the_files_hold_every_text_of_the_sources(self):
        sources = glob.glob(os.path.join(REPO, "src", "**", "*.cpp"), recursive=True) + \
            glob.glob(os.path.join(REPO, "src", "**", "*.h"), recursive=True)
        with tempfile.TemporaryDirectory() as d:
            copy = os.path.join(d, "tapwell_de.ts")
            shutil.copy(os.path.join(REPO, "translations", "tapwell_de.ts"), copy)
            lst = os.path.join(d, "sources.lst")
            with open(lst, "w") as f:
                f.write("\n".join(sorted(sources)))
            subprocess.run([LUPDATE, "-tr-function-alias", "translate+=say", "-locations",
                            "none", "-no-obsolete", "-silent", "@" + lst, "-ts", copy],
                           check=True, timeout=300)
            new = ["%s: %r" % (c, m.findtext("source")) for c, m in messages(copy)
                   if m.find("translation").get("type") == "unfinished"]
            self.assertEqual(new, [], "texts of the sources missing from the .ts files: run "
                             "the build's update_translations and translate them")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
