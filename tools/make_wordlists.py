#!/usr/bin/env python3
"""Build data/WORDLIST.DCT (accepted guesses) and data/ANSWERS.DCT (hidden
words) from Debian's SCOWL-derived word lists.

Both outputs are fixed 6-byte records: five lower-case ASCII letters and a
line feed.  The game reads them by record, so the layout is checked before
anything is written.

Usage:
    apt-get install wamerican-huge wbritish-huge wamerican-small
    python3 tools/make_wordlists.py [options]
"""

import argparse
import os
import re
import sys

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

WORD_LEN = 5
FIVE_LOWER = re.compile(r"[a-z]{5}")
FIVE_LOWER_BYTES = re.compile(rb"[a-z]{5}")
LOWER = re.compile(r"[a-z]+")

# Roman numerals such as "xviii" appear as lower-case words in the sources;
# they are accepted as guesses but make poor answers.
ROMAN = re.compile(r"m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")


def first_existing(*paths):
    """Debian names the files american-english-*; older or hand-made
    installs use the short names, so accept either."""
    for path in paths:
        if os.path.exists(path):
            return path
    return paths[0]


DEFAULT_AMERICAN_HUGE = first_existing(
    "/usr/share/dict/american-english-huge", "/usr/share/dict/american-huge")
DEFAULT_BRITISH_HUGE = first_existing(
    "/usr/share/dict/british-english-huge", "/usr/share/dict/british-huge")
DEFAULT_ANSWER_SOURCE = first_existing(
    "/usr/share/dict/american-english-small", "/usr/share/dict/american-small")


def die(msg):
    sys.stderr.write("make_wordlists: error: %s\n" % msg)
    sys.exit(1)


def read_words(path):
    """Return the lines of a word list as str.

    Releases of the Debian lists have shipped as both ISO-8859-1 and UTF-8,
    so decode each line on its own: UTF-8 if it is valid, Latin-1 otherwise.
    Only plain ASCII words survive the filters, so a wrong guess between the
    two cannot leak into the outputs.
    """
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        die("cannot read %s: %s (install wamerican-huge wbritish-huge "
            "wamerican-small)" % (path, e.strerror))
    words = []
    for raw in data.split(b"\n"):
        raw = raw.rstrip(b"\r").strip()
        if not raw:
            continue
        try:
            words.append(raw.decode("utf-8"))
        except UnicodeDecodeError:
            words.append(raw.decode("latin-1"))
    if not words:
        die("%s is empty" % path)
    return words


def five_letter(words):
    # Capitalised entries are proper nouns; apostrophes and accents mark
    # possessives and loan words.  All of them are unplayable.
    return {w for w in words if FIVE_LOWER.fullmatch(w)}


def read_exclusions(path):
    try:
        with open(path, "rb") as f:
            lines = f.read().decode("utf-8").splitlines()
    except OSError as e:
        die("cannot read %s: %s" % (path, e.strerror))
    out = set()
    for n, line in enumerate(lines, 1):
        word = line.split("#", 1)[0].strip()
        if not word:
            continue
        # A typo here would silently exclude nothing, so insist on the shape.
        if not FIVE_LOWER.fullmatch(word):
            die("%s:%d: %r is not five lower-case letters" % (path, n, word))
        out.add(word)
    return out


def inflection_stem(word, stems):
    """Return the stem if word is a plain inflection of a known word.

    Stems are looked up among the common words rather than the huge lists:
    those hold enough obscure entries ("bree", "chao", "corp") to make
    "breed", "chaos" and "corps" look like inflections.
    """
    if word.endswith("s") and not word.endswith("ss"):
        # "-ss" words (press, guess, abyss) are never plurals.
        if word[:-1] in stems:
            return word[:-1]
        if word.endswith("es") and word[:-2] in stems:
            return word[:-2]
    if word.endswith("ed"):
        if word[:-2] in stems:
            return word[:-2]
        if word[:-1] in stems:                       # bored -> bore
            return word[:-1]
        if word[-3] == word[-4] and word[:-3] in stems:  # upped -> up
            return word[:-3]
    if word.endswith(("ies", "ied")) and word[:-3] + "y" in stems:
        return word[:-3] + "y"                       # tries, cried -> try, cry
    return None


def build(args):
    dictionary = set()
    for path in (args.american_huge, args.british_huge):
        dictionary |= five_letter(read_words(path))

    common = read_words(args.answer_source)
    stems = {w for w in common if LOWER.fullmatch(w)}
    exclusions = read_exclusions(args.exclusions)

    answers = []
    dropped = {"inflection": 0, "roman": 0, "excluded": 0, "not in dictionary": 0}
    for word in sorted(five_letter(common)):
        if inflection_stem(word, stems):
            dropped["inflection"] += 1
        elif ROMAN.fullmatch(word):
            dropped["roman"] += 1
        elif word in exclusions:
            dropped["excluded"] += 1
        elif word not in dictionary:
            dropped["not in dictionary"] += 1
        else:
            answers.append(word)

    return sorted(dictionary), answers, dropped


def encode(words):
    return b"".join(w.encode("ascii") + b"\n" for w in words)


def validate(name, words, blob, dictionary=None):
    if not words:
        die("%s would be empty" % name)
    if len(blob) != len(words) * (WORD_LEN + 1):
        die("%s: record size mismatch" % name)
    for i, word in enumerate(words):
        rec = blob[i * 6:i * 6 + 6]
        if not FIVE_LOWER_BYTES.fullmatch(rec[:5]) or rec[5:] != b"\n":
            die("%s: bad record %d: %r" % (name, i, rec))
        if i and words[i - 1] >= word:
            die("%s: not strictly ascending at %r, %r" % (name, words[i - 1], word))
        if dictionary is not None and word not in dictionary:
            die("%s: %r is not in the dictionary" % (name, word))


def write_atomic(path, blob):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(blob)
    os.replace(tmp, path)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--american-huge", default=DEFAULT_AMERICAN_HUGE)
    p.add_argument("--british-huge", default=DEFAULT_BRITISH_HUGE)
    p.add_argument("--answer-source", default=DEFAULT_ANSWER_SOURCE)
    p.add_argument("--exclusions",
                   default=os.path.join(REPO_ROOT, "tools", "answers_exclusions.txt"))
    p.add_argument("--dictionary-out",
                   default=os.path.join(REPO_ROOT, "data", "WORDLIST.DCT"))
    p.add_argument("--answers-out",
                   default=os.path.join(REPO_ROOT, "data", "ANSWERS.DCT"))
    args = p.parse_args()

    dictionary, answers, dropped = build(args)
    dict_blob, ans_blob = encode(dictionary), encode(answers)
    validate("dictionary", dictionary, dict_blob)
    validate("answers", answers, ans_blob, set(dictionary))

    # Far outside these bounds means a source changed shape, not a
    # legitimate update; better to stop than ship it.
    if not 8000 <= len(dictionary) <= 20000:
        die("dictionary has %d words; sources look wrong" % len(dictionary))
    if not 1500 <= len(answers) <= 3000:
        die("answers has %d words; sources look wrong" % len(answers))

    write_atomic(args.dictionary_out, dict_blob)
    write_atomic(args.answers_out, ans_blob)
    print("dictionary: %d words -> %s" % (len(dictionary), args.dictionary_out))
    print("answers:    %d words -> %s" % (len(answers), args.answers_out))
    print("answers dropped: " + ", ".join("%s %d" % kv for kv in dropped.items()))


if __name__ == "__main__":
    main()
