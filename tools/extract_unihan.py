#!/usr/bin/env python3
"""Write the committed Unihan extract that the character generators read.

Unicode 15.1 dropped kRSKangXi, so the generators must not depend on whatever Unihan a
machine happens to carry.  This tool is run by hand, once, on a machine with Debian 12's
`unicode-data` package (Unihan 15.0.0), and its output is committed:

    python3 tools/extract_unihan.py [/usr/share/unicode] > refdata/sources/unihan/Unihan_extract.txt

The extract keeps only the fields the generators use, for the ideographs GBK encodes and
the traditional forms they may be mapped to (Unihan's kTraditionalVariant and OpenCC's
STCharacters.txt), in Unihan's own line format: U+XXXX <TAB> field <TAB> value.
"""
import bz2
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import chardata  # noqa: E402

FIELDS = (
    "kRSKangXi",            # Kangxi radical and residual strokes (strokes)
    "kRSUnicode",           # radical and residual strokes, for the few without kRSKangXi
    "kTotalStrokes",        # total strokes (last fallback)
    "kTraditionalVariant",  # simplified -> traditional candidates
    "kSimplifiedVariant",   # traditional -> simplified (a character that is its own form)
    "kMandarin",            # first Mandarin reading (element by initial, pinyin table)
    "kCantonese",           # Cantonese reading (splits x- and w- initials)
    "kGB0",                 # GB 2312 position (level 1 = rows 16-55)
    "kTGH",                 # position in the Table of General Standard Chinese Characters
    "kFrequency",           # rough frequency class 1-5
    "kDefinition",          # English gloss, for reviewing the pool lists
)

FILES = ("Unihan_RadicalStrokeCounts.txt", "Unihan_IRGSources.txt", "Unihan_Variants.txt",
         "Unihan_Readings.txt", "Unihan_OtherMappings.txt", "Unihan_DictionaryLikeData.txt")

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def gbk_ideographs():
    """The ideographs GBK encodes, with the unified forms of its compatibility ideographs."""
    out = set()
    for _, _, ch in chardata.gbk_codes():
        if chardata.is_ideograph(ch):
            out.add(ch)
            out.add(chardata.unify(ch))
    return out


def read_unihan(folder):
    data = {}
    for name in FILES:
        path = os.path.join(folder, name + ".bz2")
        opener = bz2.open if os.path.exists(path) else open
        if opener is open:
            path = os.path.join(folder, name)
        with opener(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in FIELDS:
                    data.setdefault(int(cp[2:], 16), {})[field] = value
    return data


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    data = read_unihan(folder)
    wanted = {ord(c) for c in gbk_ideographs()}
    extra = set()
    for cp in wanted:
        for v in data.get(cp, {}).get("kTraditionalVariant", "").split():
            extra.add(int(v[2:], 16))
    with open(os.path.join(ROOT, "refdata/sources/opencc/STCharacters.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or "\t" not in line:
                continue
            key, values = line.rstrip("\n").split("\t", 1)
            if ord(key[0]) in wanted:
                extra.update(ord(v[0]) for v in values.split())
    out = sys.stdout
    out.write("# Unihan_extract.txt: a modified extract of the Unihan database, Unicode 15.0.0\n"
              "# (Debian 12 package unicode-data 15.0.0-1).  Modified: only the fields listed below,\n"
              "# only for the ideographs GBK encodes and their traditional forms.  See LICENSE in\n"
              "# this folder for the Unicode licence; written by tools/extract_unihan.py.\n"
              "# Fields: " + " ".join(FIELDS) + "\n")
    for cp in sorted(wanted | extra):
        rec = data.get(cp, {})
        for field in FIELDS:
            if field in rec:
                out.write("U+%04X\t%s\t%s\n" % (cp, field, rec[field]))


if __name__ == "__main__":
    main()
