#!/usr/bin/env python3
"""The Word Drill's word lists, data/words/<language>.txt, keep the rules they are
made by (tools/make_words.py): a few # lines naming their sources, then one word a
line of 2 to 6 lowercase letters of the language, each once, none of them a word of
data/words/never.txt.  And the rules of tools/make_words.py on small made-up input:
it needs no package to be tested so.

    python3 tests/test_words.py
"""

import collections
import itertools
import os
import sys
import tempfile
import unicodedata
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORDS = os.path.join(ROOT, "data", "words")
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(ROOT, "tools"))
import make_words  # noqa: E402

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


class MakingRules(unittest.TestCase):
    def language(self, code):
        return next(language for language in make_words.LANGUAGES if language.code == code)

    def test_words_of_a_text(self):
        for code, text, words in (
                ("fr", "l'eau de Paris", {"l", "eau", "de"}),
                ("it", "dell’acqua", {"dell", "acqua"}),
                ("en", "don't Stop me now", {"don't", "me", "now"}),
                ("de", "Essen essen 3x", {"essen", "x"})):
            with self.subTest(text=text):
                self.assertEqual(make_words.words_of(text, self.language(code)), words)

    def test_candidates(self):
        for code, word, taken in (("de", "öl", True), ("de", "straße", True), ("de", "Hund", False),
                                  ("de", "km", False), ("de", "a", False), ("de", "fahrrad", False),
                                  ("de", "café", False), ("fr", "café", True), ("en", "sky", True),
                                  ("en", "it's", False), ("nb", "blåbær", True)):
            with self.subTest(word=word):
                self.assertEqual(make_words.is_candidate(word, self.language(code)), taken)

    def test_first_meaning_of_a_dictionary_entry(self):
        for entry, words in (("dog /d/ <n>\n1. hund, bikkje 2.\nanimal\n 3.\nmale\n2. hund\nperson",
                              ["hund", "bikkje"]),
                             ("big /b/ <adj>\nstor\nof a great size", ["stor"]),
                             ("odd <adj>", [])):
            with self.subTest(entry=entry):
                self.assertEqual(make_words.first_translations(entry), words)

    def test_listed_words_for_a_language(self):
        lists = [{"all": ({"sex"}, set()), "en": ({"ass"}, {"kill"})}]
        for word, code, found in (("Killer", "en", True), ("skill", "en", False), ("class", "en", False),
                                  ("ass", "de", False), ("SEX", "de", True)):
            with self.subTest(word=word, code=code):
                self.assertEqual(make_words.listed(word, code, lists), found)

    def test_choose(self):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", encoding="utf-8") as f:
            f.write("\n".join(["hund", "katt", "sol", "mus", "glad", "gal", "dum", "hest"]) + "\n")
            f.flush()
            nb = self.language("nb")
            words = make_words.Source("test", [f.name])
            language = make_words.Language("nb", "test", nb.letters, nb.vowels, [words], [], "",
                                           nb.home, nb.top, False)
            counts = collections.Counter(hund=9, katt=9, sol=5, mus=1, glad=2, gal=1, dum=9, hest=4)
            children = collections.Counter(mus=1)
            never = [{"nb": ({"dum"}, set())}]
            old_cap, make_words.CAP = make_words.CAP, 3
            try:
                chosen = make_words.choose(language, never, counts, children)
            finally:
                make_words.CAP = old_cap
        # The three most frequent, equal counts alphabetically, dum never; then past the
        # cap mus (a caption's) and glad (home row, in two texts), not gal (in one).
        self.assertEqual(chosen, ["hund", "katt", "sol", "glad", "mus"])


if __name__ == "__main__":
    unittest.main()
