#!/usr/bin/env python3
"""Writes the reading tables of QorFile from their reviewed sources.

    refdata/sources/shuli81.txt      -> refdata/QorFile/81.tsv          (num, yy, jx, as, content)
    refdata/sources/sancai_texts.txt -> refdata/QorFile/sancai2009.tsv  (one row per three-talent title)

Usage: tools/gen_qorfile_texts.py [--out DIR]   (DIR defaults to refdata/QorFile)

The luck word of every number must match the class the grid score puts it in, and every
three-talent luck word follows from the generating/overcoming relations of its elements, so a
reading never praises what the score punishes. Any breach stops the generator.
"""
import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / 'refdata' / 'sources'

# The number classes of the grid score, as the score code holds them.
FIRST_CLASS = ',1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,'
SECOND_CLASS = ',6,17,26,27,29,30,38,49,51,55,58,71,73,75,'

ELEMENTS = '木火土金水'
GENERATES = {'木': '火', '火': '土', '土': '金', '金': '水', '水': '木'}
OVERCOMES = {'木': '土', '土': '水', '水': '火', '火': '金', '金': '木'}

# Luck word of one pair (天格 over 人格 for the fortune of success, 地格 under 人格 for the
# basic fortune), by the relation seen from 人格.
PAIR_LUCK = {'得生': '大吉', '比和': '吉', '生出': '吉', '克出': '半吉', '受克': '凶'}

ABOVE_81 = range(82, 161)   # read as the number minus 80
FORBIDDEN = re.compile(r'[:"\'\t\r\n]')


class SourceError(Exception):
    pass


def class_word(n):
    key = f',{n},'
    if key in FIRST_CLASS:
        return '吉'
    if key in SECOND_CLASS:
        return '半吉'
    return '凶'


def relation(other, person):
    """How the element `other` stands to the person's element, seen from the person."""
    if other == person:
        return '比和'
    if GENERATES[other] == person:
        return '得生'
    if GENERATES[person] == other:
        return '生出'
    if OVERCOMES[person] == other:
        return '克出'
    return '受克'


def people_luck(above, below):
    """Luck word for relations with people: both neighbours of 人格 count."""
    overcome = [above, below].count('受克')
    overcoming = [above, below].count('克出')
    if overcome == 2 or (overcome == 1 and overcoming == 1):
        return '凶'
    if overcome == 1 or overcoming >= 1:
        return '半吉'
    if above == '得生' and below == '得生':
        return '大吉'
    return '吉'


DIGITS = '零一二三四五六七八九'


def chinese_number(n):
    """0..999 in Chinese numerals as readings write them (十一, 八十二, 一百零五)."""
    if n < 10:
        return DIGITS[n]
    if n < 100:
        tens = '' if n < 20 else DIGITS[n // 10]
        return tens + '十' + (DIGITS[n % 10] if n % 10 else '')
    rest = n % 100
    head = DIGITS[n // 100] + '百'
    if rest == 0:
        return head
    if rest < 10:
        return head + '零' + DIGITS[rest]
    return head + DIGITS[rest // 10] + '十' + (DIGITS[rest % 10] if rest % 10 else '')


def check_text(text, where):
    if FORBIDDEN.search(text):
        raise SourceError(f'{where}: ASCII colon, quote or control character in the text')
    if text != text.strip():
        raise SourceError(f'{where}: leading or trailing blank')


# ---- the 81 numbers ----

def read_numbers(path):
    """Blocks '== N' (or '== A-B' for a template) with one 'key text' line per field."""
    blocks, current = {}, None
    for lineno, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        if not line.strip() or line.startswith('#'):
            continue
        if line.startswith('== '):
            key = line[3:].strip()
            if key in blocks:
                raise SourceError(f'{path.name}:{lineno}: block {key} twice')
            current = blocks[key] = {}
            continue
        if current is None:
            raise SourceError(f'{path.name}:{lineno}: text before the first block')
        field, _, text = line.partition(' ')
        if field not in ('name', 'jx', 'yy', 'as', 'content') or field in current:
            raise SourceError(f'{path.name}:{lineno}: unknown or repeated field {field}')
        current[field] = text.strip()
    for key, block in blocks.items():
        missing = {'name', 'jx', 'yy', 'as', 'content'} - block.keys()
        if missing:
            raise SourceError(f'{path.name}: block {key} lacks {", ".join(sorted(missing))}')
    return blocks


def number_rows(blocks):
    rows = []
    for n in range(0, 82):
        block = blocks.get(str(n))
        if block is None:
            raise SourceError(f'shuli81.txt: no block for {n}')
        expected = class_word(n) if n >= 1 else ''
        if block['jx'] != expected:
            raise SourceError(f'shuli81.txt: {n} reads {block["jx"] or "nothing"}, its score class says {expected or "nothing"}')
        rows.append((n, f'（{block["name"]}）{block["yy"]}', block['jx'], block['as'], block['content']))

    template = blocks.get(f'{ABOVE_81.start}-{ABOVE_81.stop - 1}')
    if template is None:
        raise SourceError('shuli81.txt: no template block for the numbers above 81')
    if template['jx']:
        raise SourceError('shuli81.txt: numbers above 81 earn no points and take no luck word')
    for n in ABOVE_81:
        base = n - 80
        fill = {'{数}': chinese_number(n), '{余}': chinese_number(base), '{余名}': blocks[str(base)]['name']}

        def expand(text):
            for mark, value in fill.items():
                text = text.replace(mark, value)
            return text
        rows.append((n, f'（{expand(template["name"])}）{expand(template["yy"])}', '',
                     expand(template['as']), expand(template['content'])))

    for row in rows:
        for text in row[1:]:
            check_text(text, f'number {row[0]}')
        # Only numbers without a score class (0, above 81) go without a luck word.
        if not all(row[1:]) and (1 <= row[0] <= 81 or not all(row[1:2] + row[3:])):
            raise SourceError(f'number {row[0]}: empty field')
    return rows


# ---- the 125 three-talent titles ----

def read_sections(path):
    sections, current = {}, None
    for lineno, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        line = line.strip()
        if not line or line.startswith('#'):
            continue
        if line.startswith('[') and line.endswith(']'):
            key = tuple(line[1:-1].split())
            if key in sections:
                raise SourceError(f'{path.name}:{lineno}: section {" ".join(key)} twice')
            current = sections[key] = []
            continue
        if current is None:
            raise SourceError(f'{path.name}:{lineno}: text before the first section')
        current.append(line)
    return sections


def passage(sections, *key):
    lines = sections.get(key)
    if not lines:
        raise SourceError(f'sancai_texts.txt: no section [{" ".join(key)}]')
    return ''.join(lines)


def tagged_passage(sections, kind, pair, rel):
    """A fortune passage; its section names the relation, which must be the computed one."""
    found = [k for k in sections if len(k) == 3 and k[0] == kind and k[1] == pair]
    if len(found) != 1:
        raise SourceError(f'sancai_texts.txt: need one section [{kind} {pair} …], found {len(found)}')
    if found[0][2] != rel:
        raise SourceError(f'sancai_texts.txt: [{" ".join(found[0])}] but {pair} is {rel}')
    return passage(sections, *found[0])


def talent_rows(sections):
    openings = sections.get(('开篇',))
    if not openings:
        raise SourceError('sancai_texts.txt: no section [开篇]')
    rows = []
    index = 0
    for heaven in ELEMENTS:
        for person in ELEMENTS:
            for earth in ELEMENTS:
                above = relation(heaven, person)   # fortune of success
                below = relation(earth, person)    # basic fortune
                if heaven == person == earth:
                    # Both images would be the same; this opening names it once.
                    opening = passage(sections, '开篇', '同').replace('{行}', person)
                else:
                    opening = openings[index % len(openings)]
                opening = opening.replace('{上}', passage(sections, '象', heaven + person))
                opening = opening.replace('{下}', passage(sections, '象', person + earth))
                yy = opening + passage(sections, '总论', above, below)
                jcy = tagged_passage(sections, '基础运', person + earth, below)
                cgy = tagged_passage(sections, '成功运', heaven + person, above)
                rjgx = passage(sections, '交际', person) + passage(sections, '交际', above, below)
                xg = (passage(sections, '性格', person) + passage(sections, '性格内', below)
                      + '，' + passage(sections, '性格外', above))
                row = (heaven + person + earth, yy, jcy, PAIR_LUCK[below], cgy, PAIR_LUCK[above],
                       rjgx, people_luck(above, below), xg)
                for text in row:
                    check_text(text, f'title {row[0]}')
                rows.append(row)
                index += 1
    return rows


# ---- output ----

def tsv_field(value):
    text = str(value)
    return (text.replace('\\', '\\\\').replace('\t', '\\t').replace('\n', '\\n').replace('\r', '\\r'))


def write_tsv(path, header, rows):
    lines = ['\t'.join(header)] + ['\t'.join(tsv_field(v) for v in row) for row in rows]
    path.write_bytes(('\n'.join(lines) + '\n').encode('utf-8'))


def generate(out_dir):
    out_dir.mkdir(parents=True, exist_ok=True)
    numbers = number_rows(read_numbers(SOURCES / 'shuli81.txt'))
    talents = talent_rows(read_sections(SOURCES / 'sancai_texts.txt'))
    write_tsv(out_dir / '81.tsv', ('num', 'yy', 'jx', 'as', 'content'), numbers)
    write_tsv(out_dir / 'sancai2009.tsv',
              ('title', 'yy', 'jcy', 'jx1', 'cgy', 'jx2', 'rjgx', 'jx3', 'xg'), talents)
    return len(numbers), len(talents)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out', type=pathlib.Path, default=ROOT / 'refdata' / 'QorFile')
    args = parser.parse_args(argv)
    try:
        numbers, talents = generate(args.out)
    except SourceError as error:
        print(f'gen_qorfile_texts: {error}', file=sys.stderr)
        return 1
    print(f'wrote {numbers} number rows and {talents} three-talent rows to {args.out}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
