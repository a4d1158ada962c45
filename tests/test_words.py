#!/usr/bin/env python3
"""The Word Drill's word lists, data/words/<language>.txt, keep the rules they are
made by (tools/make_words.py): a few # lines naming their sources, then one word a
line of 2 to 6 lowercase letters of the language, each once, none of them a word of
data/words/never.txt.

    python3 tests/test_words.py
"""

import itertools
import os
import unicodedata
import unittest

WORDS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "words")

LOWER = "abcdefghijklmnopqrstuvwxyz"

# language: (its letters, the Debian package its words come from)
LANGUAGES = {
    "en": (LOWER, "scowl"),
    "de": (LOWER + "äöüß", "wngerman"),
    "fr": (LOWER + "àâæçéèêëîïôœùûüÿ", "wfrench"),
    "es": (LOWER + "áéíñóúü", "wspanish"),
    "it": (LOWER + "àèéìòù", "witalian"),
    "pt_BR": (LOWER + "áâãàçéêíóôõú", "wbrazilian"),
    "nb": (LOWER + "æøåé", "wnorwegian"),
}


def read_never():
    """{section: [entries]}, an entry ending in * standing for a beginning."""
    sections = {}
    section = None
    with open(os.path.join(WORDS, "never.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line.startswith("[") and line.endswith("]"):
                section = sections.setdefault(line[1:-1], [])
            elif line:
                section.append(line)
    return sections


def is_never(word, entries):
    word = word.casefold()
    entries = [e.casefold() for e in entries]
    return any(word.startswith(e[:-1]) if e.endswith("*") else word == e for e in entries)


def read_list(code):
    with open(os.path.join(WORDS, code + ".txt"), encoding="utf-8") as f:
        lines = f.read().split("\n")
    header = list(itertools.takewhile(lambda line: line.startswith("#"), lines))
    words = lines[len(header):]
    return lines, header, words


class WordLists(unittest.TestCase):
    def test_never_list_sections_are_languages(self):
        # A misspelt section would quietly let its words through.
        self.assertLessEqual(set(read_never()), set(LANGUAGES) | {"all"})

    def test_never_matches_whole_words_in_any_case(self):
        entries = ["ass", "kill*", "scheiß*"]
        for word, found in (("ass", True), ("Ass", True), ("class", False), ("assist", False),
                            ("killer", True), ("KILLS", True), ("skill", False),
                            ("Scheiße", True), ("scheisse", True)):
            with self.subTest(word=word):
                self.assertEqual(is_never(word, entries), found)

    def test_every_list(self):
        never = read_never()
        for code, (letters, package) in LANGUAGES.items():
            with self.subTest(language=code):
                lines, header, words = read_list(code)
                self.assertTrue(lines[0].startswith("#"), "the list begins with its header")
                text = "\n".join(header)
                for source in (package, "tools/make_words.py"):
                    self.assertIn(source, text)
                self.assertEqual(words.pop(), "", "the file ends with a line end")
                self.assertGreaterEqual(len(words), 500)
                self.assertEqual(len(words), len(set(words)), "a word is listed twice")
                wrong = [w for w in words
                         if not 2 <= len(w) <= 6 or not set(w) <= set(letters)
                         or unicodedata.normalize("NFC", w) != w]
                self.assertEqual(wrong, [], "not 2 to 6 lowercase letters of the language")
                rude = [w for w in words if is_never(w, never.get("all", []) + never.get(code, []))]
                self.assertEqual(rude, [], "words of never.txt")


if __name__ == "__main__":
    unittest.main()
