#!/usr/bin/env python3
"""Write table word (YavCode): one row per CJK ideograph that GBK encodes.

    python3 tools/gen_chardata.py [--out REFDATA_DIR] [--report]

Reads only committed sources: refdata/sources/unihan/Unihan_extract.txt,
refdata/sources/opencc/STCharacters.txt and the reviewed lists in refdata/sources/chars/.
The rules are described in refdata/README.md (section "Characters and scores").
"""
import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import chardata  # noqa: E402
from refdata_tsv import write_text, write_tsv  # noqa: E402

CHARS = os.path.join(chardata.SOURCES, "chars")

WORD_SQL = """CREATE TABLE word (
  id INTEGER NOT NULL,   -- row number, in the order of px
  zi TEXT NOT NULL,      -- the character
  ft TEXT NOT NULL,      -- its traditional form (the character itself when it has none)
  bh INTEGER NOT NULL,   -- numerology (Kangxi) strokes, counted on ft
  wuhang TEXT NOT NULL,  -- customary element: 金 木 水 火 土
  xb TEXT NOT NULL,      -- name pool: 男, 女 or 0 (either); '-' outside the pool
  px INTEGER NOT NULL    -- rank, smaller is better
);
CREATE INDEX word_zi ON word (zi);
CREATE INDEX word_ft ON word (ft);
CREATE INDEX word_bh ON word (bh, wuhang, xb);
"""

# Numerals count by their value in name numerology.
NUMERAL_STROKES = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8, "九": 9,
                   "十": 10, "百": 6, "千": 3, "萬": 15}

# Kangxi radicals whose meaning is plainly one element.
ELEMENT_RADICALS = {
    167: "金", 18: "金",                       # 金 钅, 刀 刂
    75: "木", 140: "木", 118: "木", 115: "木",  # 木, 艸 艹, 竹, 禾
    85: "水", 15: "水", 173: "水",             # 水 氵, 冫, 雨
    86: "火",                                 # 火 灬
    32: "土", 46: "土", 112: "土",             # 土, 山, 石
}

# Initials of the Mandarin reading by the five-note tradition.
INITIAL_ELEMENTS = (("zh", "金"), ("ch", "金"), ("sh", "金"), ("b", "水"), ("p", "水"),
                    ("m", "水"), ("f", "水"), ("h", "水"), ("d", "火"), ("t", "火"), ("n", "火"),
                    ("l", "火"), ("g", "木"), ("k", "木"), ("j", "木"), ("q", "木"), ("z", "金"),
                    ("c", "金"), ("s", "金"), ("r", "金"), ("y", "土"))


class Sources:
    def __init__(self):
        self.unihan = chardata.load_unihan()
        self.opencc = chardata.load_opencc()
        self.errors = []
        self.self_trad, self.trad_map = self._name_rules()
        self.stroke_override = self._stroke_override()
        self.wuhang_override = self._keyed(os.path.join(CHARS, "wuhang_override.txt"))
        self.pool_add = self._flat(os.path.join(CHARS, "pool_add.txt"))
        self.pool_exclude = self._flat(os.path.join(CHARS, "pool_exclude.txt"))
        self.tier, self.lean = self._name_chars()

    def rec(self, ch):
        return self.unihan.get(chardata.unify(ch), {})

    def _name_rules(self):
        keep, mapping = set(), {}
        for line in open(os.path.join(CHARS, "name_rules.txt"), encoding="utf-8"):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if line.startswith("self:"):
                keep.update(c for c in line[5:] if not c.isspace())
            else:
                a, b = (x.strip() for x in line.split("="))
                mapping[a] = b
        return keep, mapping

    def _stroke_override(self):
        out = {}
        for line in open(os.path.join(CHARS, "stroke_override.txt"), encoding="utf-8"):
            body = line.split("#", 1)[0].split()
            if body:
                if body[0] in out:
                    self.errors.append("stroke_override: %s twice" % body[0])
                out[body[0]] = int(body[1])
        return out

    def _keyed(self, path):
        out = {}
        for key, chars, number in chardata.read_sections(path):
            for c in chars:
                if c in out:
                    self.errors.append("%s:%d: %s listed twice" % (os.path.basename(path), number, c))
                out[c] = key
        return out

    def _flat(self, path):
        return set(self._keyed(path))

    def _name_chars(self):
        tier, lean = {}, {}
        for key, chars, number in chardata.read_sections(os.path.join(CHARS, "name_chars.txt")):
            t, sex = key.split()
            for c in chars:
                if c in lean and lean[c] != sex:
                    self.errors.append("name_chars.txt:%d: %s is %s and %s" % (number, c, lean[c], sex))
                if c not in tier:
                    tier[c], lean[c] = int(t), sex
        return tier, lean

    # --- columns -------------------------------------------------------------------------
    def traditional(self, ch):
        if ch in self.self_trad:
            return ch
        if ch in self.trad_map:
            return self.trad_map[ch]
        if ch in self.opencc:
            return self.opencc[ch][0]
        variants = self.rec(ch).get("kTraditionalVariant")
        return chardata.uplus(variants)[0] if variants else ch

    def strokes(self, ch, trad):
        for c in (ch, trad):
            if c in self.stroke_override:
                return self.stroke_override[c]
        for c in (ch, trad):
            if c in NUMERAL_STROKES:
                return NUMERAL_STROKES[c]
        for c in (trad, ch):
            rec = self.rec(c)
            rs = rec.get("kRSKangXi") or rec.get("kRSUnicode")
            if rs:
                radical, residual = rs.split()[0].replace("'", "").split(".")
                return chardata.radical_strokes(int(radical)) + int(residual)
        for c in (trad, ch):
            total = self.rec(c).get("kTotalStrokes")
            if total:
                return int(total.split()[0])
        return 0

    def radical(self, ch):
        rec = self.rec(ch)
        rs = rec.get("kRSKangXi") or rec.get("kRSUnicode")
        return int(rs.split()[0].replace("'", "").split(".")[0]) if rs else 0

    def element(self, ch):
        if ch in self.wuhang_override:
            return self.wuhang_override[ch]
        by_radical = ELEMENT_RADICALS.get(self.radical(ch))
        if by_radical:
            return by_radical
        return self.element_by_reading(ch)

    def element_by_reading(self, ch):
        reading = chardata.first_mandarin(self.rec(ch))
        if reading.startswith("x") or reading.startswith("w"):
            return self._split_by_cantonese(reading[0], self.rec(ch).get("kCantonese", ""))
        for initial, element in INITIAL_ELEMENTS:
            if reading.startswith(initial):
                return element
        return "土"   # y, w and readings without an initial

    @staticmethod
    def _split_by_cantonese(initial, cantonese):
        """x and w merged older initials; Cantonese keeps them apart."""
        jyut = cantonese.split()[0] if cantonese else ""
        if initial == "x":
            if jyut[:1] in ("s", "z", "c"):
                return "金"     # old dental sibilants: 心 星 小 修
            if jyut[:1] == "h":
                return "水"     # old gutturals heard as h: 喜 香 夏
            if jyut[:1] in ("g", "k"):
                return "木"     # old velars: 兄 (hing) aside, 嫌 (jim) aside: 见-group
            if jyut[:1] == "j":
                return "土"     # 欣 (jan), 鑫 (jam): old glottal onset
            return "金"
        if jyut[:1] == "m":
            return "水"         # old labial m: 文 万 武 望
        return "土"             # 王 伟 温 乌 and the rest

    def level(self, ch):
        """1, 2 or 3 in the Table of General Standard Chinese Characters, 4 when absent."""
        tgh = self.rec(ch).get("kTGH")
        if not tgh:
            return 4
        pos = int(tgh.split()[0].split(":")[1])
        return 1 if pos <= 3500 else 2 if pos <= 6500 else 3

    def base_pool(self, ch):
        if chardata.unify(ch) != ch:
            return False        # compatibility ideographs stay out of the pool
        gb = self.rec(ch).get("kGB0")
        return self.level(ch) == 1 or bool(gb and 16 <= int(gb[:2]) <= 55)


def build(src):
    chars = []
    for lead, trail, ch in chardata.gbk_codes():
        if chardata.is_ideograph(ch):
            chars.append(ch)
    in_gbk = set(chars)
    for name, group in (("pool_add", src.pool_add), ("name_chars", set(src.tier))):
        for c in sorted(group - in_gbk):
            src.errors.append("%s: %s is not a GBK ideograph" % (name, c))
    pool = {c for c in chars if src.base_pool(c)} | src.pool_add
    for c in sorted(set(src.tier) - pool):
        src.errors.append("name_chars: %s is not in the pool (add it to pool_add.txt)" % c)
    for c in sorted(set(src.tier) & src.pool_exclude):
        src.errors.append("name_chars: %s is excluded from the pool" % c)
    pool -= src.pool_exclude

    rows = []
    for ch in chars:
        trad = src.traditional(ch)
        bh = src.strokes(ch, trad)
        if bh <= 0:
            src.errors.append("no strokes for %s" % ch)
        in_pool = ch in pool
        xb = src.lean.get(ch, "0") if in_pool else "-"
        rec = src.rec(ch)
        freq = int(rec.get("kFrequency", "6"))
        tgh = rec.get("kTGH")
        tgh_pos = int(tgh.split()[0].split(":")[1]) if tgh else 99999
        key = (0 if in_pool else 1, src.tier.get(ch, 3) if in_pool else 3, src.level(ch), freq,
               tgh_pos, ord(ch))
        rows.append((key, ch, trad, bh, src.element(ch), xb))
    rows.sort()
    out = []
    for n, (_, ch, trad, bh, wuhang, xb) in enumerate(rows, 1):
        out.append((n, ch, trad, bh, wuhang, xb, n))
    return out


def report(rows):
    pool = [r for r in rows if r[5] != "-"]
    print("rows %d, pool %d" % (len(rows), len(pool)))
    by_bh = collections.Counter(r[3] for r in pool)
    print("pool per stroke count 1-30: " + " ".join("%d:%d" % (b, by_bh.get(b, 0)) for b in range(1, 31)))
    print("pool above 30 strokes: %d" % sum(v for b, v in by_bh.items() if b > 30))
    for label, idx in (("element", 4), ("sex", 5)):
        c = collections.Counter(r[idx] for r in pool)
        print("pool %s shares: " % label + " ".join(
            "%s %d (%.1f%%)" % (k, v, 100.0 * v / len(pool)) for k, v in sorted(c.items())))
    c = collections.Counter(r[4] for r in rows)
    print("all rows element shares: " + " ".join(
        "%s %d (%.1f%%)" % (k, v, 100.0 * v / len(rows)) for k, v in sorted(c.items())))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", default=os.path.join(chardata.ROOT, "refdata"))
    ap.add_argument("--report", action="store_true")
    args = ap.parse_args()
    src = Sources()
    rows = build(src)
    if src.errors:
        sys.stderr.write("\n".join(src.errors) + "\n")
        sys.exit(1)
    write_text(os.path.join(args.out, "YavCode", "word.sql"), WORD_SQL)
    write_tsv(os.path.join(args.out, "YavCode", "word.tsv"),
              ("id", "zi", "ft", "bh", "wuhang", "xb", "px"), rows)
    if args.report:
        report(rows)


if __name__ == "__main__":
    main()
