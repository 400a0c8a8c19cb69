#!/usr/bin/env python3
"""Builds the host's word lists: assets/words.txt (English) and assets/words_<code>.txt.

English (21,109 words) comes from Debian's English word lists (packages wamerican,
wbritish and their -small and -large variants). A word's commonness is the smallest list
that carries it, from "small" (the most common words) to "large".

French, German, Spanish, Italian, Portuguese, Dutch and Swedish come from Debian's
wfrench, wngerman, wspanish, witalian, wportuguese, wdutch and wswedish, spelled with the
letters a to z as each language's crossword players write them. Beside each of these
lists the script writes assets/letters_<code>.txt, how often each letter occurs in the
list, which the host uses for the board's filler letters.

Install the sources with scripts/install-tool-deps. The output is deterministic: the
same source lists always give the same files.
Usage: python3 tools/make_wordlist.py [--dict-dir DIR] [--assets DIR] [--lang CODE]... [--check]
"""

import argparse
import hashlib
import os
import re
import sys
import unicodedata
from dataclasses import dataclass, field

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


ENGLISH_INFLECTIONS = ("s", "es", "d", "ed", "ing")


def is_blocked(word, exact, stems, inflections=ENGLISH_INFLECTIONS):
    """True for a blocked word, a word holding a blocked stem, or a blocked word with
    one of the language's plain inflection endings."""
    if any(stem in word for stem in stems):
        return True
    if word in exact:
        return True
    for suffix in inflections:
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


def check_english(words):
    problems = []
    if len(words) != TOTAL:
        problems.append(f"{len(words)} words instead of {TOTAL}")
    if words[:2] != [FIRST, SECOND] or words[-2:] != [SECOND_LAST, LAST]:
        problems.append("fixed entries out of place")
    counts = spread(words)
    for length, want in sorted(LENGTH_COUNTS.items()):
        got = counts.get(length, 0)
        if got != want:
            print(f"note: en: {got} words of {length} letters (table: {want})", file=sys.stderr)
        if 3 <= length <= 12 and abs(got - want) > want / 10:
            problems.append(f"{got} words of {length} letters, more than 10% from {want}")
    return problems


# ---------------------------------------------------------------------------------------
# The other languages.
#
# Every game draws words of 3 to 10 letters, so these lists hold only those lengths. Each
# length gets as many words as the English list has (LENGTH_COUNTS), or all the language
# offers when that is fewer, so that every game type draws its lengths in about the same
# proportions in every language.
#
# The sources carry no measure of commonness (they are single lists with every inflected
# form spelled out). What they allow is to tell base forms from inflected ones: a word
# that is another listed word with an inflection ending of its language (a plural, a
# verb's conjugated form) comes after the base forms of its length, as in English.

MIN_LENGTH, MAX_LENGTH = 3, 10
# A language whose list holds fewer words of one length than this is refused: its
# games would draw the same few words of that length again and again.
MIN_PER_LENGTH = 150
# Each game type's window (straight 3-8, scrambled 5-10, only-letters 6-10) must hold
# at least this many words.
MIN_PER_WINDOW = 10000
WINDOWS = ((3, 8), (5, 10), (6, 10))
VOWELS = "aeiouy"


def words_of(text):
    return tuple(text.split())


@dataclass
class Language:
    code: str
    package: str
    source: str                   # file name in the dictionary folder
    encoding: str
    # German writes its nouns with a capital; elsewhere a capital marks a name.
    capitalised_nouns: bool = False
    # Endings of a capitalised word's plural and case forms that show it is a noun, not
    # a name ("Hund": "Hunde"; "Michael" has only "Michaels").
    noun_endings: tuple = ()
    # Letters that put a word out of the list (the board has no tile for them and
    # writing them otherwise would make another word).
    excluded_letters: str = ""
    # Letters written as two: German umlauts and sharp s.
    transcriptions: dict = field(default_factory=dict)
    # (inflection endings, endings of the base form they replace): a word is inflected
    # when, with one of the first put back to one of the second, it is another word.
    inflections: tuple = ()
    # Prefixes of past participles (German and Dutch "ge-").
    participle_prefixes: tuple = ()
    # Endings whose blocked word is blocked with it.
    block_endings: tuple = ()
    # Lowercase abbreviations the source carries that have a vowel.
    not_words: frozenset = frozenset()
    # Real words that read as Roman numerals.
    roman_lookalikes: frozenset = frozenset()


LANGUAGES = {
    "fr": Language(
        "fr", "wfrench", "french", "utf-8",
        inflections=(
            (words_of("s x e es"), ("",)),
            (words_of("""ai as a is it ent ons ez ais ait aient ions iez âmes âtes èrent
                         asse asses ât assions assiez assent erai eras era erons erez eront
                         erais erait erions eriez eraient irai iras ira irons irez iront irais irait
                         irions iriez iraient îmes îtes irent isse isses ît issions issiez
                         issent issons issez issais issait issaient issant ant ée és ées
                         rai ras ra rons rez ront rais rait rions riez raient"""),
             ("er", "ir", "re", "r")),
        ),
        block_endings=("s",),
        not_words=frozenset(words_of("dec def deg dep enc etc fco inc int qqn")),
        roman_lookalikes=frozenset(words_of("dix mix")),
    ),
    "de": Language(
        "de", "wngerman", "ngerman", "utf-8",
        capitalised_nouns=True,
        # Not "-er": "Berliner" comes from a name.
        noun_endings=words_of("e en n es nen"),
        transcriptions={"ä": "ae", "ö": "oe", "ü": "ue", "ß": "ss"},
        inflections=(
            (words_of("""e em en er es n s ern ens st t te tem ten ter tes test tet ste
                         stem sten ster stes nd nde ndem nden nder ndes"""), ("", "en", "n")),
        ),
        participle_prefixes=("ge",),
        block_endings=words_of("e en er es n s"),
        not_words=frozenset(words_of("""abb abk abs allg anm anz bde betr bes bez dez div
                                        dow dpi dto ems engl esc etc evtl ext galv geb gem
                                        hrsg incl ing inkl lfd med mio msec nsec okt resp
                                        sek spe usw uta uwe vorl wim xon zus""")),
    ),
    "es": Language(
        "es", "wspanish", "spanish", "utf-8",
        excluded_letters="ñ",
        inflections=(
            (words_of("s es"), ("",)),
            (words_of("""amos áis aba abas ábamos abais aban aste asteis aron aré arás
                         ará aremos aréis arán aría arías aríamos aríais arían emos éis
                         ía ías íamos íais ían iste ió imos isteis ieron eré erás erá
                         eremos eréis erán ería erías eríamos eríais erían iré irás irá
                         iremos iréis irán iría irías iríamos iríais irían ando iendo
                         ado ada ados adas ido ida idos idas ase ases ásemos aseis asen
                         ara aras áramos arais aran iera ieras iéramos ierais ieran iese
                         ieses iésemos ieseis iesen"""),
             ("ar", "er", "ir")),
        ),
        block_endings=words_of("s es a as o os"),
        not_words=frozenset(words_of("cia pchs")),
    ),
    "it": Language(
        "it", "witalian", "italian", "utf-8",
        inflections=(
            (words_of("i e"), ("o", "a", "e")),
            (words_of("""iamo ate ete ite ano ono avo avi ava avamo avate avano evo evi
                         eva evamo evate evano ivo ivi iva ivamo ivate ivano ai asti ò
                         ammo aste arono ei esti é è emmo este erono ii isti ì immo iste
                         irono erò erai erà eremo erete eranno irò irai irà iremo irete
                         iranno erei eresti erebbe eremmo ereste erebbero irei iresti
                         irebbe iremmo ireste irebbero assi asse assimo assero essi esse
                         essimo essero issi isse issimo issero ando endo ato ata ati uto
                         uta uti ute ito ita iti ante ente isco isci isce iscono iate"""),
             ("are", "ere", "ire")),
        ),
        block_endings=words_of("a e i o"),
    ),
    "pt": Language(
        "pt", "wportuguese", "portuguese", "utf-8",
        inflections=(
            (words_of("s es"), ("",)),
            (words_of("""amos ais am ava avas ávamos áveis avam ei aste ou astes aram
                         arei arás ará aremos areis arão aria arias aríamos aríeis ariam
                         asse asses ássemos ásseis assem ara aras áramos áreis emos eis
                         em ia ias íamos íeis iam este eu estes eram erei erás erá eremos
                         ereis erão eria erias eríamos eríeis eriam esse esses êssemos
                         êsseis essem imos iste iu istes iram irei irás irá iremos ireis
                         irão iria iríamos iriam isse issem ando endo indo ado ada ados
                         adas ido ida idos idas ares eres ires armos ermos irmos arem
                         erem irem"""),
             ("ar", "er", "ir")),
        ),
        block_endings=words_of("s es a as o os"),
        not_words=frozenset(words_of("etc exs kns pag sra")),
    ),
    "nl": Language(
        "nl", "wdutch", "dutch", "utf-8",
        inflections=(
            (words_of("e en er ere n s st ste t te ten de den d end ende"), ("", "en")),
        ),
        participle_prefixes=("ge",),
        block_endings=words_of("e en s"),
        not_words=frozenset(words_of("""abc adv alg anw apr atb atv aug azc bov dpi ebt ecg eeg
                                        emt esp feb fte hbo hso isp ivf kca kmo lbo lno
                                        lso lto mbo ngo nov okt ozb pcb pda pdf pgb rvs
                                        soa tbc tgv the twk uhd vbo vso vwo""")),
    ),
    "sv": Language(
        "sv", "wswedish", "swedish", "iso-8859-1",
        excluded_letters="åäö",
        inflections=(
            (words_of("en et er ar or na erna arna orna ens ets s a e t"), ("",)),
            (words_of("ar ade at er de t te s ande ende ades ads"), ("a",)),
        ),
        block_endings=words_of("a ar en er et na or s"),
        not_words=frozenset(words_of("abc itu ity lna")),
        roman_lookalikes=frozenset(words_of("liv")),
    ),
}

# The languages' codes, in the order the game offers them.
LANGUAGE_CODES = ("en", "fr", "de", "es", "it", "pt", "nl", "sv")


def is_title_case(word):
    """A capital followed by lowercase letters only ("Haus", not "ABC" or "BahnCard")."""
    return word[:1].isupper() and word[1:] == word[1:].lower()


def read_lines(path, encoding):
    if not os.path.exists(path):
        sys.exit(f"missing {path}: run scripts/install-tool-deps")
    with open(path, encoding=encoding) as f:
        return [line.strip() for line in f]


def spelled(word, lang):
    """The word written with a to z, or None when it cannot be.

    Accents are dropped, ligatures written as two letters, and the language's own
    transcriptions (German ä as ae) applied first."""
    if any(c in lang.excluded_letters for c in word):
        return None
    for letter, written in lang.transcriptions.items():
        word = word.replace(letter, written)
    word = word.replace("œ", "oe").replace("æ", "ae")
    plain = "".join(c for c in unicodedata.normalize("NFD", word) if not unicodedata.combining(c))
    return plain if LOWER_WORD.match(plain) else None


def known_names(dict_dir, lang):
    """Lowercase names: entries that the other languages' lists (and the English ones)
    carry only with a capital. Those lists capitalise nothing but names."""
    names = set()
    sources = [("american-english-large", "utf-8"), ("british-english-large", "utf-8")]
    sources += [(other.source, other.encoding) for other in LANGUAGES.values()
                if not other.capitalised_nouns]
    for name, encoding in sources:
        lower, capitalised = set(), set()
        for w in read_lines(os.path.join(dict_dir, name), encoding):
            if not w.isalpha():
                continue
            if w == w.lower():
                lower.add(w)
            elif is_title_case(w):
                capitalised.add(w.lower())
        names |= capitalised - lower
    return names


def read_language(dict_dir, lang):
    """Returns the lowercase source words that can be in the list, with the names and
    abbreviations already left out."""
    names = known_names(dict_dir, lang) if lang.capitalised_nouns else set()
    lines = read_lines(os.path.join(dict_dir, lang.source), lang.encoding)
    listed = set(lines)

    def is_name(word):
        # Known abroad only as a name, and without the plural or case forms of a noun
        # here: "Goethe" (and its genitive "Goethes") is a name; "Haus", a surname in
        # English, is a noun, as "Hauses" shows.
        def is_noun(w):
            return any(w + ending in listed for ending in lang.noun_endings)

        if is_noun(word):
            return False
        if word.lower() in names:
            return True
        return word.endswith("s") and word[:-1].lower() in names and not is_noun(word[:-1])

    words = set()
    for w in lines:
        # Digits, apostrophes, hyphens, spaces and the full stops of abbreviations.
        if not w.isalpha():
            continue
        if w != w.lower():
            # A capital marks a name, except on a German noun; more than one capital
            # marks an abbreviation.
            if not (lang.capitalised_nouns and is_title_case(w)) or is_name(w):
                continue
            w = w.lower()
        words.add(w)
    return words


def inflection_rank(word, known, lang):
    """0 for a base form; otherwise 1 plus the index of the first group of the
    language's inflections that makes the word from another known word. Plurals and
    feminine forms come first, so they rank before verbs' conjugated forms. A
    participle ("gespielt") ranks as the form without its prefix ("spielt")."""
    for rank, (endings, bases) in enumerate(lang.inflections, start=1):
        for ending in endings:
            if len(word) - len(ending) < 2 or not word.endswith(ending):
                continue
            stem = word[: -len(ending)]
            if any(stem + base != word and stem + base in known for base in bases):
                return rank
    for prefix in lang.participle_prefixes:
        rest = word[len(prefix):]
        if word.startswith(prefix) and len(rest) >= 4:
            rank = inflection_rank(rest, known, lang)
            if rank:
                return rank
    return 0


def is_foreign_abbreviation(word, lang):
    if not any(v in word for v in VOWELS):
        return True
    if word in lang.not_words:
        return True
    return ROMAN.match(word) is not None and word not in lang.roman_lookalikes


def build_language(dict_dir, blocked_path, lang):
    source = read_language(dict_dir, lang)
    exact, stems = load_blocked(blocked_path)

    # Each spelling with the source words that give it.
    spellings = {}
    for w in sorted(source):
        s = spelled(w, lang)
        if s is not None and MIN_LENGTH <= len(s) <= MAX_LENGTH:
            spellings.setdefault(s, []).append(w)
    # A word with c cedilla whose plain c makes another word is left out ("caça", hunt,
    # would read as "caca"): the spelling stands for the other word alone.
    for s, originals in spellings.items():
        plain = [w for w in originals if "ç" not in w]
        if plain:
            spellings[s] = plain

    candidates = {}
    for s, originals in spellings.items():
        if is_blocked(s, exact, stems, lang.block_endings) or is_foreign_abbreviation(s, lang):
            continue
        rank = min(inflection_rank(w, source, lang) for w in originals)
        candidates[s] = (rank, stable_hash(s))

    chosen = []
    for length in range(MIN_LENGTH, MAX_LENGTH + 1):
        pool = sorted((w for w in candidates if len(w) == length), key=candidates.get)
        chosen += pool[: LENGTH_COUNTS[length]]
    return sorted(chosen)


def letter_counts(words):
    counts = dict.fromkeys("abcdefghijklmnopqrstuvwxyz", 0)
    for w in words:
        for c in w:
            counts[c] += 1
    return counts


def letters_text(words):
    return "".join(f"{c} {n}\n" for c, n in letter_counts(words).items())


def check_language(code, words):
    problems = []
    counts = {}
    for w in words:
        counts[len(w)] = counts.get(len(w), 0) + 1
    for length in range(MIN_LENGTH, MAX_LENGTH + 1):
        got = counts.get(length, 0)
        want = LENGTH_COUNTS[length]
        if got < want:
            print(f"note: {code}: {got} words of {length} letters (English: {want})", file=sys.stderr)
        if got < MIN_PER_LENGTH:
            problems.append(f"{code}: only {got} words of {length} letters")
    for low, high in WINDOWS:
        n = sum(counts.get(length, 0) for length in range(low, high + 1))
        if n < MIN_PER_WINDOW:
            problems.append(f"{code}: only {n} words of {low} to {high} letters")
    return problems


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dict-dir", default=DICT_DIR)
    parser.add_argument("--assets", default=os.path.join(root, "assets"),
                        help="folder of the word lists and letter tables")
    parser.add_argument("--tools", default=os.path.join(root, "tools"),
                        help="folder of the blocked word files")
    parser.add_argument("--lang", action="append", choices=LANGUAGE_CODES,
                        help="build only this language (may be repeated); all by default")
    parser.add_argument("--check", action="store_true",
                        help="compare with the existing files instead of writing them")
    args = parser.parse_args()

    outputs = {}    # path -> text
    problems = []
    for code in args.lang or LANGUAGE_CODES:
        if code == "en":
            words = build(args.dict_dir, os.path.join(args.tools, "blocked_words.txt"))
            problems += check_english(words)
            outputs[os.path.join(args.assets, "words.txt")] = "".join(w + "\n" for w in words)
            continue
        lang = LANGUAGES[code]
        words = build_language(args.dict_dir, os.path.join(args.tools, f"blocked_words_{code}.txt"), lang)
        problems += check_language(code, words)
        outputs[os.path.join(args.assets, f"words_{code}.txt")] = "".join(w + "\n" for w in words)
        outputs[os.path.join(args.assets, f"letters_{code}.txt")] = letters_text(words)

    if args.check:
        for path, text in outputs.items():
            try:
                with open(path, encoding="ascii") as f:
                    same = f.read() == text
            except OSError:
                same = False
            if not same:
                problems.append(f"{path} differs from what the sources give")
    if problems:
        sys.exit("make_wordlist: " + "; ".join(problems))
    if args.check:
        print(f"make_wordlist: {len(outputs)} files match their sources")
        return
    for path, text in outputs.items():
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(text)
        print(f"wrote {text.count(chr(10))} lines to {path}")


if __name__ == "__main__":
    main()
