#!/usr/bin/env python3
"""Builds assets/words.txt, the host's dictionary of 21,109 words.

Sources are Debian's English word lists (packages wamerican, wbritish and their -small
and -large variants; install them with scripts/install-tool-deps). A word's commonness
is the smallest list that carries it, from "small" (the most common words) to "large".

The output is deterministic: the same source lists always give the same file.
Usage: python3 tools/make_wordlist.py [--dict-dir DIR] [--out FILE] [--check]
"""

import argparse
import hashlib
import os
import re
import sys

DICT_DIR = "/usr/share/dict"

# Source lists from most to least common; both spellings count alike.
TIERS = [
    ("american-english-small", "british-english-small"),
    ("american-english", "british-english"),
    ("american-english-large", "british-english-large"),
]

TOTAL = 21109
FIRST, SECOND = "aardvark", "aback"
SECOND_LAST, LAST = "zygote", "zymase"

# Words wanted per length among the entries that can be drawn (all but the first
# and the last entry).
LENGTH_COUNTS = {
    1: 25, 2: 33, 3: 532, 4: 1751, 5: 2457, 6: 3272, 7: 3433, 8: 3093, 9: 2674,
    10: 1816, 11: 1074, 12: 516, 13: 251, 14: 104, 15: 41, 16: 21, 17: 9, 18: 2, 19: 3,
}

# Two-letter entries come from this list of real words, most familiar first,
# because the source lists mix them with lowercase abbreviations ("cm", "kg").
TWO_LETTER_WORDS = (
    "an as at be by do go he hi if in is it me my no of oh on or so to up us we "
    "ad ah am ax ox ye ma pa aw ay eh ha ho lo ow pi uh um yo"
).split()

# Lowercase abbreviations and other oddities the source lists carry.
NOT_WORDS = set("""
    etc ibid approx misc dept inc esp assn asst bldg blvd corp govt natl intl univ
    jr sr mr mrs ms dr st ave rd apt vol vols cf viz yd yds ft lb lbs oz ozs kg km
    cm mm ml mg gm qt pt pts tsp tbsp abbr abbrev adj adv prep pron conj syn pl fem
    masc anon incl excl orig pref pres prof repr sci soc std hosp mfg mgr mkt mtg
    pkg pvt qty hrs yrs wks mos min mins sec secs alt amt doz hwy obj ref int sim
    xor tho fer foo cis deb hoc mes pis hes shes hims hows whys buts dos mads drys
    mil bani reis soli tost weer lept avg dpi
""".split())

# Real words that happen to read as Roman numerals.
ROMAN_LOOKALIKE_WORDS = {"mix", "mi"}

ROMAN = re.compile(r"^m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})$")
LOWER_WORD = re.compile(r"^[a-z]+$")
VOWEL = re.compile(r"[aeiouy]")


def read_source(path):
    """Returns (lowercase words, lowercased forms of capitalised entries)."""
    words, capitalised = set(), set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            w = line.strip()
            if LOWER_WORD.match(w):
                words.add(w)
            elif w[:1].isupper():
                capitalised.add(w.lower())
    return words, capitalised


def load_tiers(dict_dir):
    """Maps each lowercase word to (tier, number of source lists of that tier carrying it)."""
    found = {}
    for tier, files in enumerate(TIERS):
        per_file = []
        for name in files:
            path = os.path.join(dict_dir, name)
            if not os.path.exists(path):
                sys.exit(f"missing {path}: run scripts/install-tool-deps")
            per_file.append(read_source(path)[0])
        for w in set().union(*per_file):
            if w not in found:
                found[w] = (tier, sum(w in s for s in per_file))
    return found


def load_blocked(path):
    exact, stems = set(), []
    with open(path, encoding="utf-8") as f:
        for line in f:
            entry = line.strip().lower()
            if not entry or entry.startswith("#"):
                continue
            if entry.startswith("*"):
                stems.append(entry[1:])
            elif LOWER_WORD.match(entry):
                exact.add(entry)
    return exact, stems


def is_blocked(word, exact, stems):
    if any(stem in word for stem in stems):
        return True
    if word in exact:
        return True
    for suffix in ("s", "es", "d", "ed", "ing"):
        if word.endswith(suffix) and word[: -len(suffix)] in exact:
            return True
    return False


def is_abbreviation(word):
    if len(word) == 1:
        return False  # single letters are kept as letters, never read as numerals
    if word in NOT_WORDS:
        return True
    if not VOWEL.search(word):
        return True
    return ROMAN.match(word) is not None and word not in ROMAN_LOOKALIKE_WORDS


def is_inflected(word, known):
    """True for plain plurals, past forms and -ing forms of another known word."""
    stems = []
    if word.endswith("s"):
        stems += [word[:-1]]
        if word.endswith("es"):
            stems += [word[:-2]]
        if word.endswith("ies"):
            stems += [word[:-3] + "y"]
    for suffix in ("ed", "ing"):
        if word.endswith(suffix):
            base = word[: -len(suffix)]
            stems += [base, base + "e"]
            if len(base) > 2 and base[-1] == base[-2]:
                stems += [base[:-1]]
            if suffix == "ed" and base.endswith("i"):
                stems += [base[:-1] + "y"]
    return any(len(s) > 1 and s in known for s in stems)


def stable_hash(word):
    return hashlib.sha256(word.encode("ascii")).hexdigest()


def build(dict_dir, blocked_path):
    tiers = load_tiers(dict_dir)
    capitalised = set()
    for files in TIERS:
        for name in files:
            capitalised |= read_source(os.path.join(dict_dir, name))[1]
    exact, stems = load_blocked(blocked_path)
    fixed = {FIRST, SECOND, SECOND_LAST, LAST}
    for w in fixed:
        if w not in tiers:
            sys.exit(f"fixed entry {w} is missing from the source lists")

    candidates = {}
    for w, rank in tiers.items():
        if w in fixed or not (SECOND < w < SECOND_LAST):
            continue
        if is_blocked(w, exact, stems) or is_abbreviation(w):
            continue
        candidates[w] = rank

    chosen = set(fixed)
    # The fixed entries inside the drawable range count towards their lengths.
    wanted = dict(LENGTH_COUNTS)
    wanted[len(SECOND)] -= 1
    wanted[len(SECOND_LAST)] -= 1

    # Single letters: every letter after "a" (which would sort before the first entry).
    letters = [w for w in candidates if len(w) == 1]
    chosen.update(sorted(letters)[: wanted[1]])

    twos = [w for w in TWO_LETTER_WORDS if w in candidates]
    chosen.update(twos[: wanted[2]])

    for length in sorted(wanted):
        if length <= 2:
            continue
        pool = [w for w in candidates if len(w) == length]
        pool.sort(key=lambda w: (
            candidates[w][0],                 # smaller (more common) source list first
            is_inflected(w, tiers),           # base forms before their inflections
            w in capitalised,                 # words that are not also names
            -candidates[w][1],                # spelled alike in both Englishes
            stable_hash(w),                   # fixed, evenly spread tie-break
        ))
        chosen.update(pool[: wanted[length]])

    words = sorted(chosen)
    return words


def spread(words):
    counts = {}
    for w in words[1:-1]:
        counts[len(w)] = counts.get(len(w), 0) + 1
    return counts


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dict-dir", default=DICT_DIR)
    parser.add_argument("--blocked", default=os.path.join(root, "tools", "blocked_words.txt"))
    parser.add_argument("--out", default=os.path.join(root, "assets", "words.txt"))
    parser.add_argument("--check", action="store_true",
                        help="compare with the existing output instead of writing it")
    args = parser.parse_args()

    words = build(args.dict_dir, args.blocked)
    text = "".join(w + "\n" for w in words)

    problems = []
    if len(words) != TOTAL:
        problems.append(f"{len(words)} words instead of {TOTAL}")
    if words[:2] != [FIRST, SECOND] or words[-2:] != [SECOND_LAST, LAST]:
        problems.append("fixed entries out of place")
    counts = spread(words)
    for length, want in sorted(LENGTH_COUNTS.items()):
        got = counts.get(length, 0)
        if got != want:
            print(f"note: {got} words of {length} letters (table: {want})", file=sys.stderr)
        if 3 <= length <= 12 and abs(got - want) > want / 10:
            problems.append(f"{got} words of {length} letters, more than 10% from {want}")

    if args.check:
        with open(args.out, encoding="ascii") as f:
            if f.read() != text:
                problems.append(f"{args.out} differs from what the sources give")
    if problems:
        sys.exit("make_wordlist: " + "; ".join(problems))
    if not args.check:
        with open(args.out, "w", encoding="ascii", newline="\n") as f:
            f.write(text)
        print(f"wrote {len(words)} words to {args.out}")


if __name__ == "__main__":
    main()
