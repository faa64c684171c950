"""Reading the committed character sources: the Unihan extract, OpenCC's STCharacters.txt and
the reviewed lists under refdata/sources/chars/.  Shared by gen_chardata.py and gen_pinyin.py."""
import os
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = os.path.join(ROOT, "refdata", "sources")

# Strokes of the 214 Kangxi radicals in their full form: radicals first..last have n strokes.
_RADICAL_RANGES = ((1, 6, 1), (7, 29, 2), (30, 60, 3), (61, 94, 4), (95, 117, 5), (118, 146, 6),
                   (147, 166, 7), (167, 175, 8), (176, 186, 9), (187, 194, 10), (195, 200, 11),
                   (201, 204, 12), (205, 208, 13), (209, 210, 14), (211, 211, 15), (212, 213, 16),
                   (214, 214, 17))


def radical_strokes(radical):
    for first, last, n in _RADICAL_RANGES:
        if first <= radical <= last:
            return n
    raise ValueError("radical %d" % radical)


def load_unihan(path=os.path.join(SOURCES, "unihan", "Unihan_extract.txt")):
    data = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            cp, field, value = line.rstrip("\n").split("\t", 2)
            data.setdefault(chr(int(cp[2:], 16)), {})[field] = value
    return data


def load_opencc(path=os.path.join(SOURCES, "opencc", "STCharacters.txt")):
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or "\t" not in line:
                continue
            key, values = line.rstrip("\n").split("\t", 1)
            table[key] = values.split()
    return table


def gbk_codes():
    """(lead, trail, character) of every GBK double-byte code, in code order."""
    out = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            out.append((lead, trail, ch))
    return out


def is_ideograph(ch):
    return unicodedata.name(ch, "").startswith("CJK ")


def unify(ch):
    """The unified ideograph a compatibility ideograph stands for (itself otherwise)."""
    return unicodedata.normalize("NFC", ch)


def uplus(value):
    return [chr(int(v[2:].split("<")[0], 16)) for v in value.split()]


TONES = {"ā": "a", "á": "a", "ǎ": "a", "à": "a", "ē": "e", "é": "e", "ě": "e", "è": "e",
         "ê": "e", "ế": "e", "ề": "e", "ī": "i", "í": "i", "ǐ": "i", "ì": "i", "ō": "o", "ó": "o",
         "ǒ": "o", "ò": "o", "ū": "u", "ú": "u", "ǔ": "u", "ù": "u", "ü": "v", "ǖ": "v", "ǘ": "v",
         "ǚ": "v", "ǜ": "v", "ń": "n", "ň": "n", "ǹ": "n", "ḿ": "m", "m̀": "m"}


def plain_pinyin(reading):
    """A Mandarin reading without tone marks, ü written v: 'lǜ' -> 'lv'."""
    out = []
    for c in unicodedata.normalize("NFC", reading):
        if c in TONES:
            out.append(TONES[c])
        elif "a" <= c <= "z":
            out.append(c)
        elif unicodedata.combining(c):
            continue
        else:
            out.append(TONES.get(unicodedata.normalize("NFD", c)[0], unicodedata.normalize("NFD", c)[0]))
    return "".join(out)


def first_mandarin(rec):
    value = rec.get("kMandarin")
    return plain_pinyin(value.split()[0]) if value else ""


def read_sections(path):
    """Lines 'key: characters' of a reviewed list as (key, [characters], line number)."""
    out = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            key, _, chars = line.partition(":")
            out.append((key.strip(), [c for c in chars if not c.isspace()], number))
    return out
