#!/usr/bin/env python3
"""Write table sancai (QorFile), table zh (YavCode) and the score samples.

    python3 tools/gen_zh.py [--out REFDATA_DIR]

Reads refdata/sources/compound_surnames.txt and the word table written by gen_chardata.py
(REFDATA_DIR/YavCode/word.tsv, so run that first).  The scores come from yavscore.py, with the
three-talent grades of the sancai table written here, so that a plan's score and the score the
name analysis computes for the same strokes agree.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import yavscore  # noqa: E402
from refdata_tsv import read_list, read_tsv, write_text, write_tsv  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GIVEN_MAX = 24          # the plan list asks for given-name strokes below 25

SANCAI_SQL = """CREATE TABLE sancai (
  title TEXT NOT NULL,   -- three elements of 天格, 人格, 地格, e.g. 土金木
  djc INTEGER NOT NULL   -- grade 1 (best) to 7
);
CREATE UNIQUE INDEX sancai_title ON sancai (title);
"""

ZH_SQL = """CREATE TABLE zh (
  lx INTEGER NOT NULL,    -- 11, 12, 21, 22: family-name characters x 10 + given-name characters
  bh11 INTEGER NOT NULL,  -- strokes of the family name's first character
  bh12 INTEGER NOT NULL,  -- strokes of its second character, 0 for a one-character family name
  bh21 INTEGER NOT NULL,  -- strokes of the given name's first character
  bh22 INTEGER NOT NULL,  -- strokes of its second character, 0 for a one-character given name
  zf INTEGER NOT NULL,    -- score of the combination
  jxjx INTEGER NOT NULL,  -- rank among the rows of the same lx, bh11, bh12; 1 the best
  xb TEXT NOT NULL        -- '0', '男', or for lx 22 '男' and '女' (see refdata/README.md)
);
CREATE INDEX zh_plan ON zh (lx, bh11, bh12);
CREATE INDEX zh_strokes ON zh (bh11, bh12, bh21, bh22);
"""


def sancai_rows():
    return [(t, yavscore.talent_grade(t)) for t in yavscore.all_titles()]


def ranked(lx, s1, s2, combos, grades):
    """Rows of one (lx, bh11, bh12) group, best first, with their rank."""
    scored = []
    for g1, g2 in combos:
        zf = yavscore.score(s1, s2, g1, g2, grades)
        scored.append((-zf, yavscore.ill_fated_count(s1, s2, g1, g2), g1, g2, zf))
    scored.sort()
    rows = []
    for rank, (_, _, g1, g2, zf) in enumerate(scored, 1):
        women = not yavscore.unsuited_to_women(s1, s2, g1, g2)
        if lx == 22:
            # Plans of a compound family name with a two-character given name are asked for
            # with xb = '男' or xb = '女' exactly (with or-'0' only beside a fixed character),
            # so each combination is stored once per sex it suits.
            rows.append((lx, s1, s2, g1, g2, zf, rank, "男"))
            if women:
                rows.append((lx, s1, s2, g1, g2, zf, rank, "女"))
        else:
            rows.append((lx, s1, s2, g1, g2, zf, rank, "0" if women else "男"))
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default=os.path.join(ROOT, "refdata"))
    args = ap.parse_args()

    grades = dict(sancai_rows())
    write_text(os.path.join(args.out, "QorFile", "sancai.sql"), SANCAI_SQL)
    write_tsv(os.path.join(args.out, "QorFile", "sancai.tsv"), ("title", "djc"), sancai_rows())

    words = read_tsv(os.path.join(args.out, "YavCode", "word.tsv"))
    strokes = {}
    for w in words:
        strokes.setdefault(w["zi"], int(w["bh"]))
    max_single = max(int(w["bh"]) for w in words)

    singles = [(g, 0) for g in range(1, GIVEN_MAX + 1)]
    doubles = [(a, b) for a in range(1, GIVEN_MAX + 1) for b in range(1, GIVEN_MAX + 1)]
    rows = []
    for s in range(1, max_single + 1):
        rows += ranked(11, s, 0, singles, grades)
    for s in range(1, max_single + 1):
        rows += ranked(12, s, 0, doubles, grades)
    pairs = set()
    for name in read_list(os.path.join(ROOT, "refdata", "sources", "compound_surnames.txt")):
        a, b = strokes.get(name[0], 0), strokes.get(name[1], 0)
        if not a or not b:
            sys.exit("compound surname %s: a character has no strokes" % name)
        pairs.add((a, b))
    for s1, s2 in sorted(pairs):
        rows += ranked(21, s1, s2, singles, grades)
    for s1, s2 in sorted(pairs):
        rows += ranked(22, s1, s2, doubles, grades)
    write_text(os.path.join(args.out, "YavCode", "zh.sql"), ZH_SQL)
    write_tsv(os.path.join(args.out, "YavCode", "zh.tsv"),
              ("lx", "bh11", "bh12", "bh21", "bh22", "zf", "jxjx", "xb"), rows)

    write_samples(os.path.join(args.out, "sources", "score_samples.tsv"), grades)


def write_samples(path, grades):
    """A few hundred stroke combinations with grids, title and score, for the C++ tests.

    The list is fixed by rule (no randomness): every fourth single-family/single-given pair,
    a grid of single-family/double-given names, compound family names with single and double
    given names, and edge cases (large numbers above 81, the smallest strokes).
    """
    combos = []
    combos += [(s, 0, g, 0) for s in range(1, 31, 3) for g in range(1, 25, 4)]
    combos += [(s, 0, g1, g2) for s in (1, 2, 4, 7, 10, 12, 16, 21, 30) for g1 in (1, 5, 8, 13, 20)
               for g2 in (3, 6, 10, 24)]
    combos += [(s1, s2, g, 0) for s1, s2 in ((8, 17), (5, 10), (3, 8), (10, 8), (25, 24))
               for g in (1, 6, 11, 16, 24)]
    combos += [(s1, s2, g1, g2) for s1, s2 in ((8, 17), (5, 10), (14, 15), (25, 24))
               for g1 in (2, 9, 17) for g2 in (4, 12, 24)]
    combos += [(4, 0, 3, 8), (10, 5, 6, 0), (1, 0, 1, 0), (40, 0, 24, 24), (30, 28, 24, 24)]
    rows = []
    for s1, s2, g1, g2 in combos:
        h, p, e, t, o = yavscore.grid_numbers(s1, s2, g1, g2)
        title = yavscore.talent_title(h, p, e)
        exact = yavscore.exact_score(s1, s2, g1, g2, grades)
        rows.append((s1, s2, g1, g2, h, p, e, t, o, title, grades[title],
                     ("%g" % exact), yavscore.round_score(exact)))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Score samples written by tools/gen_zh.py from tools/yavscore.py: strokes of the\n"
                "# family name (s2 0: one character) and given name (g2 0: one character), the grid\n"
                "# numbers, the three-talent title with its grade in table sancai, the exact score\n"
                "# the name analysis adds up and the integer score that table zh stores.\n")
        f.write("\t".join(("s1", "s2", "g1", "g2", "tian", "ren", "di", "zong", "wai",
                           "title", "djc", "exact", "zf")) + "\n")
        for r in rows:
            f.write("\t".join(str(v) for v in r) + "\n")


if __name__ == "__main__":
    main()
