#!/usr/bin/env python3
"""Checks of the committed character and score tables (word, zh, sancai) and the pinyin table."""
import collections
import os
import re
import sys
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import chardata  # noqa: E402
import yavscore  # noqa: E402
from refdata_tsv import read_list, read_tsv  # noqa: E402

WORD = read_tsv(os.path.join(ROOT, "refdata", "YavCode", "word.tsv"))
BY_ZI = {w["zi"]: w for w in WORD}
ZH = read_tsv(os.path.join(ROOT, "refdata", "YavCode", "zh.tsv"))
SANCAI = {r["title"]: int(r["djc"]) for r in read_tsv(os.path.join(ROOT, "refdata", "QorFile", "sancai.tsv"))}


def published_strokes():
    rows = []
    with open(os.path.join(HERE, "kangxi_strokes.tsv"), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                ch, count, kind = line.rstrip("\n").split("\t")
                rows.append((ch, int(count), kind))
    return rows


class KangxiStrokes(unittest.TestCase):
    def test_published_counts(self):
        rows = published_strokes()
        self.assertGreaterEqual(len(rows), 150)
        wrong = ["%s: %s, published %d" % (ch, BY_ZI[ch]["bh"], n)
                 for ch, n, _ in rows if int(BY_ZI[ch]["bh"]) != n]
        self.assertEqual(wrong, [], "%d of %d counts differ" % (len(wrong), len(rows)))

    def test_traditional_forms_by_name_rules(self):
        cases = {"于": "于", "余": "余", "后": "后", "范": "范", "岳": "岳", "肖": "蕭", "艳": "艷",
                 "刘": "劉", "叶": "葉", "钟": "鍾", "萧": "蕭", "万": "萬", "云": "雲", "王": "王"}
        for zi, ft in cases.items():
            self.assertEqual(BY_ZI[zi]["ft"], ft, zi)

    def test_radicals_take_their_full_form(self):
        # 氵扌忄艹辶阝(left, right)王礻衤月(肉)犭罒 and a radical standing alone
        cases = {"江": 7, "打": 6, "怡": 9, "芳": 10, "远": 17, "陈": 16, "郑": 19, "玲": 10,
                 "祥": 11, "裕": 13, "胡": 11, "狄": 8, "罗": 20, "瓦": 5, "骨": 10, "萬": 15}
        for zi, n in cases.items():
            self.assertEqual(int(BY_ZI[zi]["bh"]), n, zi)


class WordTable(unittest.TestCase):
    def test_every_gbk_ideograph_has_one_row(self):
        gbk = [ch for _, _, ch in chardata.gbk_codes() if chardata.is_ideograph(ch)]
        self.assertEqual(sorted(gbk), sorted(w["zi"] for w in WORD))
        self.assertEqual([int(w["id"]) for w in WORD], list(range(1, len(WORD) + 1)))

    def test_columns(self):
        for w in WORD:
            self.assertGreater(int(w["bh"]), 0, w["zi"])
            self.assertIn(w["wuhang"], ("金", "木", "水", "火", "土"), w["zi"])
            self.assertIn(w["xb"], ("男", "女", "0", "-"), w["zi"])
            self.assertEqual(len(w["ft"]), 1, w["zi"])

    def test_pool(self):
        pool = [w for w in WORD if w["xb"] != "-"]
        self.assertTrue(3500 <= len(pool) <= 4500, len(pool))
        # the pool ranks ahead of every other row
        self.assertEqual(max(int(w["px"]) for w in pool), len(pool))
        for ch in "梓萱睿鑫琪婷怡昕晗宸钰璐瑾":
            self.assertNotEqual(BY_ZI[ch]["xb"], "-", ch)
        for ch in "死病贼屎氧的吗匕":
            self.assertEqual(BY_ZI[ch]["xb"], "-", ch)

    def test_every_stroke_count_has_characters_of_each_sex(self):
        # Two-character names draw only characters of the child's sex, so a given-name stroke
        # count without any leaves its plans empty. One stroke has only 一 and 乙.
        pool = collections.Counter((int(w["bh"]), w["xb"]) for w in WORD if w["xb"] in ("男", "女"))
        missing = ["%d %s" % (n, sex) for n in range(2, 25) for sex in ("男", "女") if pool[(n, sex)] == 0]
        self.assertEqual(missing, [])

    def test_best_name_characters_rank_first(self):
        self.assertLess(int(BY_ZI["浩"]["px"]), int(BY_ZI["桌"]["px"]))
        self.assertLess(int(BY_ZI["婷"]["px"]), int(BY_ZI["扒"]["px"]))

    def test_elements(self):
        cases = {"子": "水", "江": "水", "林": "木", "鑫": "金", "炎": "火", "山": "土",
                 "波": "水", "明": "火", "德": "火", "国": "木", "张": "金", "王": "土",
                 "文": "水", "星": "金", "香": "水", "甲": "木"}
        for zi, element in cases.items():
            self.assertEqual(BY_ZI[zi]["wuhang"], element, zi)


class ScoreRules(unittest.TestCase):
    def test_worked_examples(self):
        self.assertEqual(yavscore.grid_numbers(4, 0, 3, 8), (5, 7, 11, 15, 9))
        self.assertEqual(yavscore.grid_numbers(10, 5, 6, 0), (15, 11, 7, 21, 11))
        self.assertEqual(yavscore.talent_title(5, 7, 11), "土金木")
        self.assertEqual(yavscore.grid_numbers(30, 0, 24, 0)[4], 2)

    def test_grid_points(self):
        self.assertEqual(yavscore.grid_score(6, yavscore.PERSON), 25.5)
        self.assertEqual(yavscore.grid_score(81, yavscore.TOTAL), 20)
        self.assertEqual(yavscore.grid_score(9, yavscore.OUTER), 7)
        self.assertEqual(yavscore.grid_score(82, yavscore.PERSON), 0)
        self.assertEqual(yavscore.grid_score(0, yavscore.HEAVEN), 0)
        classes = yavscore.CLASS_FIRST | yavscore.CLASS_SECOND | yavscore.CLASS_THIRD
        self.assertEqual(sorted(classes), list(range(1, 82)))

    def test_rounding_halves_up(self):
        self.assertEqual(yavscore.round_score(85.5), 86)
        self.assertEqual(yavscore.round_score(86.5), 87)
        self.assertEqual(yavscore.round_score(79.0), 79)

    def test_sancai_grades(self):
        self.assertEqual(len(SANCAI), 125)
        self.assertEqual(set(SANCAI.values()), set(range(1, 8)))
        self.assertEqual(SANCAI["木火土"], 1)   # both generating
        self.assertEqual(SANCAI["金金金"], 3)   # both equal
        self.assertEqual(SANCAI["金木土"], 7)   # both overcoming
        self.assertEqual(SANCAI["土金木"], 5)   # generating, then overcoming


class ZhTable(unittest.TestCase):
    def test_scores_match_the_analysis(self):
        for r in ZH:
            s1, s2, g1, g2 = (int(r[k]) for k in ("bh11", "bh12", "bh21", "bh22"))
            exact = yavscore.exact_score(s1, s2, g1, g2, SANCAI)
            self.assertEqual(int(r["zf"]), yavscore.round_score(exact), r)
            self.assertGreater(int(r["zf"]), 0)

    def test_one_score_per_stroke_combination(self):
        seen = {}
        for r in ZH:
            key = (r["bh11"], r["bh12"], r["bh21"], r["bh22"])
            self.assertEqual(seen.setdefault(key, r["zf"]), r["zf"], key)

    def test_forms_and_ranges(self):
        by_lx = collections.defaultdict(set)
        for r in ZH:
            lx = int(r["lx"])
            by_lx[lx].add((int(r["bh11"]), int(r["bh12"])))
            self.assertEqual(int(r["bh12"]) == 0, lx in (11, 12), r)
            self.assertEqual(int(r["bh22"]) == 0, lx in (11, 21), r)
            self.assertTrue(1 <= int(r["bh21"]) <= 24 and int(r["bh22"]) <= 24, r)
        max_bh = max(int(w["bh"]) for w in WORD)
        self.assertEqual({s for s, _ in by_lx[11]}, set(range(1, max_bh + 1)))
        self.assertEqual({s for s, _ in by_lx[12]}, set(range(1, max_bh + 1)))
        names = read_list(os.path.join(ROOT, "refdata", "sources", "compound_surnames.txt"))
        self.assertGreaterEqual(len(names), 60)
        for name in names:
            pair = (int(BY_ZI[name[0]]["bh"]), int(BY_ZI[name[1]]["bh"]))
            self.assertIn(pair, by_lx[21], name)
            self.assertIn(pair, by_lx[22], name)

    def test_rank_is_best_first(self):
        groups = collections.defaultdict(list)
        for r in ZH:
            groups[(r["lx"], r["bh11"], r["bh12"], r["xb"] == "女")].append(r)
        for key, rows in groups.items():
            if key[3]:
                continue
            rows.sort(key=lambda r: int(r["jxjx"]))
            self.assertEqual([int(r["jxjx"]) for r in rows], list(range(1, len(rows) + 1)), key)
            scores = [int(r["zf"]) for r in rows]
            self.assertEqual(scores, sorted(scores, reverse=True), key)

    def test_sex_of_plans(self):
        for r in ZH:
            s1, s2, g1, g2 = (int(r[k]) for k in ("bh11", "bh12", "bh21", "bh22"))
            unsuited = yavscore.unsuited_to_women(s1, s2, g1, g2)
            if r["lx"] == "22":
                self.assertIn(r["xb"], ("男", "女"))
                if r["xb"] == "女":
                    self.assertFalse(unsuited, r)
            else:
                self.assertEqual(r["xb"], "男" if unsuited else "0", r)
        # a girl with a compound family name and a two-character given name gets plans
        s1, s2 = BY_ZI["欧"]["bh"], BY_ZI["阳"]["bh"]
        girls = [r for r in ZH if r["lx"] == "22" and r["bh11"] == s1 and r["bh12"] == s2
                 and r["xb"] == "女"]
        self.assertGreater(len(girls), 20)


class PinyinTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(os.path.join(ROOT, "src", "numerology", "pinyin_data.inc"), encoding="utf-8") as f:
            text = f.read()

        def array(name):
            body = re.search(name + r"\[[^\]]*\] = \{(.*?)\};", text, re.S).group(1)
            return body

        cls.syllables = re.findall(r'"([a-z]*)"', array("kPinyinSyllables"))
        cls.table = [int(v) for v in re.findall(r"\d+", array("kPinyinOfGbk"))]
        cls.numbered = re.findall(r'"(\d*)"', array("kGbkNumberedForms"))
        cls.greek = re.findall(r'"([a-z]*)"', array("kGbkGreekLetters"))

    def reading(self, ch):
        lead, trail = ch.encode("gbk")
        return self.syllables[self.table[(lead - 0x81) * 191 + (trail - 0x40)]]

    def test_readings(self):
        cases = {"啊": "a", "阿": "a", "中": "zhong", "国": "guo", "王": "wang", "网": "wang",
                 "名": "ming", "星": "xing", "小": "xiao", "猫": "mao", "空": "kong", "绿": "lv",
                 "女": "nv"}
        for ch, py in cases.items():
            self.assertEqual(self.reading(ch), py, ch)

    def test_shape(self):
        self.assertEqual(len(self.table), 126 * 191)
        self.assertEqual(self.syllables[0], "")
        self.assertEqual(self.syllables[1:6], ["a", "ai", "an", "ang", "ao"])
        self.assertLessEqual(max(len(s) for s in self.syllables), 6)
        self.assertTrue(20000 < sum(1 for v in self.table if v) < 21000)
        # codes that are no character carry nothing: the unused 0x7F trail byte, row 0xA1
        self.assertEqual(self.table[(0xB0 - 0x81) * 191 + (0x7F - 0x40)], 0)
        self.assertEqual(self.table[(0xA1 - 0x81) * 191 + (0xA1 - 0x40)], 0)

    def test_numbered_forms_and_greek(self):
        def num(ch):
            lead, trail = ch.encode("gbk")
            self.assertEqual(lead, 0xA2)
            return self.numbered[trail - 0xA1]
        for ch, text in {"ⅰ": "1", "ⅹ": "10", "⒈": "1", "⒛": "20", "⑴": "1", "⒇": "20",
                         "①": "1", "⑩": "10", "㈠": "1", "㈩": "10", "Ⅰ": "1", "Ⅻ": "12"}.items():
            self.assertEqual(num(ch), text, ch)
        self.assertEqual(sum(1 for t in self.numbered if t), 82)
        self.assertEqual(self.greek[:8], ["a", "b", "g", "d", "e", "z", "e", "th"])
        self.assertEqual(len(self.greek), 24)
        self.assertEqual("Θ".encode("gbk"), b"\xa6\xa8")
        self.assertEqual("θ".encode("gbk"), b"\xa6\xc8")


if __name__ == "__main__":
    unittest.main()
