#!/usr/bin/env python3
"""Make the Word Drill's word lists, data/words/<language>.txt.

Each list holds short, common words that a child of about seven knows: two to
six letters, lowercase letters of the language only, one word a line, the
most frequent first.  The Word Drill later keeps only the words that the
child's keyboard rows can type.

Where the words come from
-------------------------
The words themselves come from Debian's word lists: SCOWL (package scowl)
for English, wngerman, wfrench, wspanish, witalian, wbrazilian and
wnorwegian (its Bokmål list) for the others.  A word is a candidate when it
has 2 to 6 letters, all of them lowercase letters of its language (the
LETTERS of each language below).  So a word with a capital is dropped, and
with it every proper name, and so is every word with a digit, an
apostrophe, a hyphen or a dot.  In German this drops every noun too, since
German writes nouns with a capital.

How the common words are chosen
-------------------------------
Debian's word lists are not ranked, so each candidate is looked up in plain
text that Debian ships in the same language, and ranked by the number of
separate texts it occurs in (a fortune cookie, a line of prose, a caption):
a word that one long story repeats counts once.  The texts are

  - the fortune cookies of fortunes (English; the files about computers,
    drugs, politics and the like are left out), fortunes-de, fortunes-es,
    fortunes-it and fortunes-br (without their computer files);
  - the training text of dasher-data, newspaper and web prose, for every
    language but Norwegian;
  - the captions of Tux Paint's stamps, tuxpaint-stamps-default: a sentence
    or two about an animal, a fruit, a tool, written for children and
    translated into each of our languages.

The text is cut into words at everything that is not a letter; in French,
Italian, Spanish and Portuguese an apostrophe cuts too (l'eau is l and
eau), in English, German and Norwegian it does not (don't is not "don").
Only what the text writes in lowercase counts: Paris the city is not paris
(bets), and a German noun is not the verb spelt as it is (Essen, essen).

The list holds the CAP words found in the most texts, each in at least
MIN_COUNT of them; and past the cap every candidate that a caption for
children uses, and every candidate that is typed on the home row alone of
the language's usual keyboard (HOME below) and found in two texts, so that
the first lessons have words too.  The most frequent come first, and equal
counts in alphabetical order.

English is ranked the same way, but its candidates are only the words of
SCOWL's two smallest sizes, 10 and 20, the most common English words, in
their American spelling (english-words.* and american-words.*).

Norwegian has neither fortunes nor a Dasher text, and the Bokmål prose in
Debian is technical.  A Bokmål word is ranked by its captions, and by the
English texts through a dictionary: each English word of our English list
adds its count to the words of its first meaning in dict-freedict-eng-nor
(dog gives hund, mother gives mor and mamma).  So a Norwegian word is
common when it says what a common English word says.

Words left out
--------------
data/words/never.txt lists the words a child must never be given: rude,
sexual, violent, about drugs and alcohol, slurs and insults.
data/words/skip.txt lists harmless words that are still not a young
child's: names, abbreviations, foreign, bookish or technical words, found
by reading the lists.  Both have sections [all] (every language) and [en],
[de], ...; a word ending in * stands for every word that begins so, and a
word matches in any case.

Everything is sorted, so the same packages give the same files.  Run it
after installing the packages it reads:

    apt-get install scowl wngerman wfrench wspanish witalian wbrazilian \\
        wnorwegian fortunes fortunes-de fortunes-es fortunes-it fortunes-br \\
        dasher-data tuxpaint-stamps-default dict-freedict-eng-nor
    python3 tools/make_words.py

Only the standard library is used.
"""

import collections
import glob
import gzip
import hashlib
import os
import re
import subprocess
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "data", "words")
NEVER_PATH = os.path.join(OUT_DIR, "never.txt")
SKIP_PATH = os.path.join(OUT_DIR, "skip.txt")

MIN_LEN = 2
MAX_LEN = 6
MIN_COUNT = 3
MIN_HOME_COUNT = 2
CAP = 1500

DICT = "/usr/share/dict"
SCOWL = "/usr/share/dict/scowl"
FORTUNES = "/usr/share/games/fortunes"
DASHER = "/usr/share/dasher"
STAMPS = "/usr/share/tuxpaint/stamps"
FREEDICT_ENG_NOR = "/usr/share/dictd/freedict-eng-nor"

# The licence of each package read, as its /usr/share/doc/<package>/copyright says.
LICENCES = {
    "scowl": "SCOWL's permissive licence, Copyright 2000-2011 Kevin Atkinson",
    "wngerman": "GPL-2+",
    "wfrench": "GPL-2+",
    "wspanish": "public domain",
    "witalian": "GPL-3+",
    "wbrazilian": "GPL-2",
    "wnorwegian": "GPL-2+",
    "fortunes": "BSD",
    "fortunes-de": "GPL-2+",
    "fortunes-es": "GPL-2+",
    "fortunes-it": "collected sayings, not copyrighted",
    "fortunes-br": "GPL-2+",
    "dasher-data": "GPL-2+",
    "tuxpaint-stamps-default": "GPL-2",
    "dict-freedict-eng-nor": "CC-BY-SA-3.0",
}


class Source:
    """Files of one Debian package: a word list, or text to count words in."""

    def __init__(self, package, paths, encoding="utf-8", kind="lines", for_children=False):
        self.package = package
        self.paths = paths  # a list of file names, or a function that gives them
        self.encoding = encoding
        self.kind = kind  # "lines", "fortunes" or "stamps:<locale>"
        self.for_children = for_children

    def files(self):
        paths = self.paths() if callable(self.paths) else self.paths
        return sorted(paths)


class Language:
    def __init__(self, code, name, letters, vowels, words, texts, layout, home, top,
                 split_apostrophe, translated=None):
        self.code = code
        self.name = name
        self.letters = frozenset(letters)
        self.vowels = frozenset(vowels)
        self.words = words  # Sources of candidate words
        self.texts = texts  # Sources of text to count words in
        self.layout = layout
        self.home = frozenset(home)
        self.top = frozenset(top)
        self.split_apostrophe = split_apostrophe
        self.translated = translated  # a dictionary from English, a Source


LOWER = "abcdefghijklmnopqrstuvwxyz"


def fortune_files(folder, skip=()):
    def files():
        found = []
        for path in glob.glob(os.path.join(FORTUNES, folder, "*")):
            name = os.path.basename(path)
            base = name[: -len(".u8")] if name.endswith(".u8") else name
            if os.path.isfile(path) and not name.endswith(".dat") and base not in skip:
                found.append(path)
        return found

    return files


def stamp_files():
    return glob.glob(os.path.join(STAMPS, "**", "*.txt"), recursive=True)


# English fortune files in plain everyday language; those about computers, drugs,
# politics, sex and the like are left out.
ENGLISH_FORTUNES = [
    os.path.join(FORTUNES, name)
    for name in (
        "art", "cookie", "definitions", "education", "food", "fortunes", "humorists",
        "kids", "literature", "love", "magic", "medicine", "miscellaneous", "people",
        "pets", "platitudes", "riddles", "science", "songs-poems", "sports", "wisdom",
        "work",
    )
]


def stamps(locale):
    return Source("tuxpaint-stamps-default", stamp_files, kind="stamps:" + locale,
                  for_children=True)


LANGUAGES = [
    Language(
        "en", "English", LOWER, "aeiouy",
        words=[Source("scowl", [os.path.join(SCOWL, f"{kind}-words.{level}")
                                for kind in ("english", "american") for level in (10, 20)])],
        texts=[Source("fortunes", ENGLISH_FORTUNES, kind="fortunes"),
               Source("dasher-data", [os.path.join(DASHER, "training_english_GB.txt")]),
               stamps("en")],
        layout="US QWERTY", home="asdfghjkl", top="qwertyuiop", split_apostrophe=False),
    Language(
        "de", "German", LOWER + "äöüß", "aeiouyäöü",
        words=[Source("wngerman", [os.path.join(DICT, "ngerman")])],
        texts=[Source("fortunes-de", fortune_files("de", skip=(
                   "asciiart", "channel-debian.fortunes", "computer", "debian", "doppelsinnig",
                   "infodrom", "linuxtag", "ms")), kind="fortunes"),
               Source("dasher-data", [os.path.join(DASHER, "training_german_DE.txt")]),
               stamps("de")],
        layout="German QWERTZ", home="asdfghjklöä", top="qwertzuiopü", split_apostrophe=False),
    Language(
        "fr", "French", LOWER + "àâæçéèêëîïôœùûüÿ", "aeiouyàâæéèêëîïôœùûüÿ",
        words=[Source("wfrench", [os.path.join(DICT, "french")])],
        texts=[Source("dasher-data", [os.path.join(DASHER, "training_french_FR.txt")]),
               stamps("fr")],
        layout="French AZERTY", home="qsdfghjklmù", top="azertyuiop", split_apostrophe=True),
    Language(
        "es", "Spanish", LOWER + "áéíñóúü", "aeiouyáéíóúü",
        words=[Source("wspanish", [os.path.join(DICT, "spanish")])],
        texts=[Source("fortunes-es", fortune_files("es", skip=("informatica.fortunes",)),
                      kind="fortunes"),
               Source("dasher-data", [os.path.join(DASHER, "training_spanish_ES.txt")]),
               stamps("es")],
        layout="Spanish QWERTY", home="asdfghjklñ", top="qwertyuiop", split_apostrophe=True),
    Language(
        "it", "Italian", LOWER + "àèéìòù", "aeiouàèéìòù",
        words=[Source("witalian", [os.path.join(DICT, "italian")])],
        texts=[Source("fortunes-it", fortune_files("it", skip=("banner", "computer")),
                      kind="fortunes"),
               Source("dasher-data", [os.path.join(DASHER, "training_italian_IT.txt")]),
               stamps("it")],
        layout="Italian QWERTY", home="asdfghjklòàù", top="qwertyuiopèé", split_apostrophe=True),
    Language(
        "pt_BR", "Brazilian Portuguese", LOWER + "áâãàçéêíóôõú", "aeiouáâãàéêíóôõú",
        words=[Source("wbrazilian", [os.path.join(DICT, "brazilian")])],
        texts=[Source("fortunes-br", [os.path.join(FORTUNES, "brasil")], kind="fortunes"),
               Source("dasher-data", [os.path.join(DASHER, "training_portuguese_BR.txt")]),
               stamps("pt_BR")],
        layout="Brazilian ABNT2", home="asdfghjklç", top="qwertyuiop", split_apostrophe=True),
    Language(
        "nb", "Norwegian Bokmål", LOWER + "æøåé", "aeiouyæøåé",
        words=[Source("wnorwegian", [os.path.join(DICT, "bokmaal")], encoding="latin-1")],
        texts=[stamps("nb")],
        translated=Source("dict-freedict-eng-nor", [FREEDICT_ENG_NOR + ".index"]),
        layout="Norwegian QWERTY", home="asdfghjkløæ", top="qwertyuiopå", split_apostrophe=False),
]


def fail(message):
    sys.exit("make_words: " + message)


def package_version(package):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Status} ${Version}", package],
                             capture_output=True, text=True, check=False).stdout
    except FileNotFoundError:
        fail("dpkg-query not found: this runs on Debian")
    if not out.startswith("install ok installed "):
        fail(f"package {package} is not installed: apt-get install {package}")
    return out.split()[-1]


def read(path, encoding):
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode(encoding)
    except UnicodeDecodeError:
        text = data.decode("latin-1")  # a few fortune files are in Latin-1
    return unicodedata.normalize("NFC", text)


def documents(source):
    """The separate texts of a source: a fortune cookie, a line of prose, a stamp's
    caption.  A text found twice (fortune files come in two encodings) is read once.
    """
    seen = set()
    files = source.files()
    if not files:
        fail(f"no files of {source.package} found: apt-get install {source.package}")
    for path in files:
        text = read(path, source.encoding)
        if source.kind.startswith("stamps:"):
            parts = [stamp_caption(text, source.kind.split(":", 1)[1])]
        elif source.kind == "fortunes":
            parts = re.split(r"^%$", text, flags=re.M)
        else:
            parts = text.splitlines()
        for part in parts:
            digest = hashlib.sha256(part.strip().encode("utf-8")).digest()
            if part.strip() and digest not in seen:
                seen.add(digest)
                yield part


def stamp_caption(text, locale):
    """A stamp's caption in one language: English is the first line, the others
    are the lines "<locale>.utf8=...".
    """
    lines = text.splitlines()
    if locale == "en":
        return lines[0] if lines and "=" not in lines[0] else ""
    prefix = locale + ".utf8="
    return "\n".join(line[len(prefix):] for line in lines if line.startswith(prefix))


WORD = re.compile(r"[^\W\d_]+(?:['’][^\W\d_]+)*")


def words_of(text, language):
    """The words a text writes in lowercase: Paris the city is not paris (bets),
    and a German noun is not the verb it is spelt as (Essen, essen)."""
    words = set()
    for token in WORD.findall(text):
        if token != token.lower():
            continue
        if language.split_apostrophe:
            words.update(re.split(r"['’]", token))
        else:
            words.add(token)
    return words


def count_texts(language):
    """{word: the number of texts it occurs in}, for all texts and for those
    written for children."""
    counts = collections.Counter()
    children = collections.Counter()
    for source in language.texts:
        for text in documents(source):
            words = words_of(text, language)
            counts.update(words)
            if source.for_children:
                children.update(words)
    return counts, children


DICTD_DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def dictd_number(digits):
    number = 0
    for digit in digits:
        number = number * 64 + DICTD_DIGITS.index(digit)
    return number


def first_translations(entry):
    """The words of an entry's first meaning: a FreeDict entry is a headword line,
    then "translation, translation" (or "1. translation, translation 2.") and the
    meaning's explanation.
    """
    lines = entry.split("\n")
    if len(lines) < 2:
        return []
    line = re.sub(r"\s*\d+\.$", "", re.sub(r"^\d+\.\s*", "", lines[1]))
    return [word.strip() for word in line.split(",")]


def translations(source):
    """{English headword: [the words of its first meaning]} from a dictd dictionary,
    one list per entry (a word that is both noun and verb has two entries).
    """
    index = source.files()[0]
    if not os.path.exists(index):
        fail(f"{index} is missing: apt-get install {source.package}")
    with gzip.open(index[: -len(".index")] + ".dict.dz") as f:
        data = f.read()
    found = collections.defaultdict(list)
    with open(index, encoding="utf-8") as f:
        for line in f:
            headword, offset, length = line.rstrip("\n").split("\t")
            start = dictd_number(offset)
            entry = data[start:start + dictd_number(length)].decode("utf-8")
            found[headword].append(first_translations(unicodedata.normalize("NFC", entry)))
    return found


def count_translated(language, english, english_counts):
    """{word: the counts of the common English words it translates}."""
    counts = collections.Counter()
    for headword, entries in translations(language.translated).items():
        if headword in english:
            for words in entries:
                for word in set(words):
                    counts[word] += english_counts[headword]
    return counts


def is_candidate(word, language):
    """Two to six letters of the language, one of them a vowel (which drops
    abbreviations such as km)."""
    return (MIN_LEN <= len(word) <= MAX_LEN and all(c in language.letters for c in word)
            and any(c in language.vowels for c in word))


def candidates(language):
    words = set()
    for source in language.words:
        for path in source.files():
            if not os.path.exists(path):
                fail(f"{path} is missing: apt-get install {source.package}")
            for line in read(path, source.encoding).splitlines():
                word = line.strip()
                if is_candidate(word, language):
                    words.add(word)
    return words


def read_list(path):
    """{section: (whole words, prefixes)} from never.txt or skip.txt, all lowercase."""
    sections = collections.defaultdict(lambda: (set(), set()))
    section = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
                continue
            if section is None:
                fail(f"{path}:{number}: a word before the first [section]")
            whole, prefixes = sections[section]
            if line.endswith("*"):
                prefixes.add(line[:-1].lower())
            else:
                whole.add(line.lower())
    return sections


def listed(word, code, lists):
    """Whether one of the lists (read by read_list) has the word for this language."""
    word = word.lower()
    for sections in lists:
        for section in ("all", code):
            whole, prefixes = sections.get(section, (set(), set()))
            if word in whole or any(word.startswith(p) for p in prefixes):
                return True
    return False


def row_words(words, rows):
    return [w for w in words if all(c in rows for c in w)]


def choose(language, left_out, counts, children):
    """The most frequent words, up to CAP of them; and past the cap, the words of
    the texts for children and the words typed on the home row alone."""
    ranked = sorted((w for w in candidates(language) if not listed(w, language.code, left_out)),
                    key=lambda w: (-counts[w], w))
    chosen = []
    frequent = 0
    for word in ranked:
        if counts[word] >= MIN_COUNT and frequent < CAP:
            chosen.append(word)
            frequent += 1
        elif children[word] >= 1:
            chosen.append(word)
        elif counts[word] >= MIN_HOME_COUNT and all(c in language.home for c in word):
            chosen.append(word)
    return chosen


def header(language):
    lines = [f"# Tapwell Word Drill words: {language.name} ({language.code})."]
    ranked_by = [("Words from", language.words), ("Ranked by the texts of", language.texts)]
    if language.translated:
        ranked_by.append(("and by English through", [language.translated]))
    for title, sources in ranked_by:
        packages = sorted({s.package for s in sources})
        named = [f"{p} {package_version(p)} ({LICENCES[p]})" for p in packages]
        lines.append(f"# {title}: " + "; ".join(named) + ".")
    lines.append("# Made by tools/make_words.py: the most frequent first; edit that, not this.")
    return lines


def write(language, words):
    os.makedirs(OUT_DIR, exist_ok=True)
    path = os.path.join(OUT_DIR, language.code + ".txt")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(header(language) + words) + "\n")
    return path


def main():
    left_out = [read_list(NEVER_PATH), read_list(SKIP_PATH)]
    print(f"{'':6} {'words':>6} {'home':>6} {'home+top':>9}  layout")
    english = LANGUAGES[0]
    english_counts, english_children = count_texts(english)
    english_words = set(choose(english, left_out, english_counts, english_children))
    for language in LANGUAGES:
        counts, children = count_texts(language)
        if language.translated:
            counts.update(count_translated(language, english_words, english_counts))
        words = choose(language, left_out, counts, children)
        write(language, words)
        home = row_words(words, language.home)
        both = row_words(words, language.home | language.top)
        print(f"{language.code:6} {len(words):6} {len(home):6} {len(both):9}  {language.layout}")


if __name__ == "__main__":
    main()
