"""Checks the reading tables of QorFile: table 81 and table sancai2009.

Run from the source root: python3 -m unittest -v tests/data/test_qorfile_texts.py
"""
import pathlib
import sqlite3
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
QORFILE = ROOT / 'refdata' / 'QorFile'

# The classes of the grid score, copied here on purpose: a change on either side must be seen.
FIRST = ',1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,'
SECOND = ',6,17,26,27,29,30,38,49,51,55,58,71,73,75,'
THIRD = (',2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,'
         '72,74,76,77,78,79,80,')
ELEMENTS = '木火土金水'
LUCK_WORDS = {'大吉', '吉', '半吉', '凶'}


def unescape(field):
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == '\\':
            i += 1
            c = {'\\': '\\', 't': '\t', 'n': '\n', 'r': '\r'}[field[i]]
        out.append(c)
        i += 1
    return ''.join(out)


def read_tsv(path):
    lines = path.read_bytes().decode('utf-8').split('\n')
    assert lines[-1] == '', f'{path.name} must end with one LF'
    header = lines[0].split('\t')
    return [dict(zip(header, map(unescape, line.split('\t')))) for line in lines[1:-1]]


class NumberTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.rows = {int(r['num']): r for r in read_tsv(QORFILE / '81.tsv')}

    def test_classes_cover_one_to_81_once(self):
        numbers = [int(n) for text in (FIRST, SECOND, THIRD) for n in text.strip(',').split(',')]
        self.assertEqual(sorted(numbers), list(range(1, 82)))

    def test_every_number_has_full_texts_and_its_class_word(self):
        for n in range(1, 82):
            with self.subTest(num=n):
                row = self.rows[n]
                for column in ('yy', 'jx', 'as', 'content'):
                    self.assertTrue(row[column].strip(), column)
                key = f',{n},'
                expected = '吉' if key in FIRST else '半吉' if key in SECOND else '凶'
                self.assertEqual(row['jx'], expected)
                self.assertTrue(row['yy'].startswith('（'), 'yy opens with the customary name')

    def test_numbers_without_a_class_take_no_luck_word(self):
        # 0 (strokes not found) and 82..160 (read as N - 80) earn no points, so no praise either.
        self.assertEqual(sorted(self.rows), list(range(0, 161)))
        for n in [0, 82, 100, 160]:
            with self.subTest(num=n):
                self.assertEqual(self.rows[n]['jx'], '')
                self.assertTrue(self.rows[n]['yy'] and self.rows[n]['as'] and self.rows[n]['content'])
        self.assertIn('当以二数（两仪之数）', self.rows[82]['yy'])
        self.assertIn('当以二十数（屋下藏金）', self.rows[100]['yy'])
        self.assertIn('当以八十数（遁吉之数）', self.rows[160]['yy'])


class TalentTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.rows = read_tsv(QORFILE / 'sancai2009.tsv')
        cls.by_title = {r['title']: r for r in cls.rows}

    def test_125_titles_with_full_texts(self):
        titles = {a + b + c for a in ELEMENTS for b in ELEMENTS for c in ELEMENTS}
        self.assertEqual(len(self.rows), 125)
        self.assertEqual(set(self.by_title), titles)
        for row in self.rows:
            with self.subTest(title=row['title']):
                for column in ('yy', 'jcy', 'cgy', 'rjgx', 'xg'):
                    self.assertTrue(row[column].strip(), column)
                for column in ('jx1', 'jx2', 'jx3'):
                    self.assertIn(row[column], LUCK_WORDS, column)
        self.assertEqual(len({r['yy'] for r in self.rows}), 125, 'no two titles share a general reading')

    def test_luck_words_follow_the_elements(self):
        # 人格 generated from above and below is the best case, overcome from both the worst.
        cases = [('水木水', '大吉', '大吉', '大吉'),
                 ('木火土', '吉', '大吉', '吉'),
                 ('金木金', '凶', '凶', '凶'),
                 ('土金木', '半吉', '大吉', '半吉'),
                 ('火火火', '吉', '吉', '吉')]
        for title, jx1, jx2, jx3 in cases:
            with self.subTest(title=title):
                row = self.by_title[title]
                self.assertEqual((row['jx1'], row['jx2'], row['jx3']), (jx1, jx2, jx3))

    def test_readings_agree_with_the_grades(self):
        grades = QORFILE / 'sancai.tsv'
        if not grades.exists():
            self.skipTest('sancai.tsv not there')
        grade = {r['title']: int(r['djc']) for r in read_tsv(grades)}
        self.assertEqual(set(grade), set(self.by_title))
        for title, djc in grade.items():
            words = [self.by_title[title][c] for c in ('jx1', 'jx2', 'jx3')]
            with self.subTest(title=title, djc=djc):
                if djc <= 2:
                    self.assertNotIn('凶', words)
                if djc == 7:
                    self.assertNotIn('大吉', words)


class Files(unittest.TestCase):
    def test_texts_carry_no_ascii_colon_or_quote(self):
        for name in ('81.tsv', 'sancai2009.tsv'):
            for row in read_tsv(QORFILE / name):
                for value in row.values():
                    self.assertFalse(set(value) & set(':"\''), f'{name}: {value}')

    def test_tables_load_and_answer_the_report_queries(self):
        db = sqlite3.connect(':memory:')
        for table, columns in (('81', 5), ('sancai2009', 9)):
            db.executescript((QORFILE / f'{table}.sql').read_text(encoding='utf-8'))
            rows = read_tsv(QORFILE / f'{table}.tsv')
            names = ','.join(f'"{c}"' for c in rows[0])
            db.executemany(f'insert into "{table}" ({names}) values ({",".join("?" * columns)})',
                           [tuple(r.values()) for r in rows])
        yy, jx = db.execute('select yy, jx from "81" where num = 6').fetchone()
        self.assertEqual(jx, '半吉')
        self.assertTrue(yy.startswith('（六爻之数）'))
        self.assertIsNone(db.execute('select * from "81" where num = 161').fetchone())
        row = db.execute('select jx1, jx2 from sancai2009 where title = ? limit 1', ('土金木',)).fetchone()
        self.assertEqual(row, ('半吉', '大吉'))

    def test_generator_reproduces_the_committed_tables(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, str(ROOT / 'tools' / 'gen_qorfile_texts.py'), '--out', out],
                           check=True, capture_output=True)
            for name in ('81.tsv', 'sancai2009.tsv'):
                with self.subTest(table=name):
                    self.assertEqual((pathlib.Path(out) / name).read_bytes(), (QORFILE / name).read_bytes())


if __name__ == '__main__':
    unittest.main()
