"""Score rules of a name's stroke combination, shared by the generators.

This is the one place where the generators compute what the name analysis computes: the five
grid numbers, the points a grid number earns, the three-talent title with its grade, and the
overall score.  The C++ name analysis implements the same rules; refdata/sources/score_samples.tsv
(written by tools/gen_zh.py from this module) lets its tests compare the two.

Strokes: s1, s2 of the family name (s2 = 0 for a one-character family name), g1, g2 of the
given name (g2 = 0 for a one-character given name).
"""

HEAVEN, EARTH, PERSON, TOTAL, OUTER = 0, 1, 2, 3, 4   # grid kind codes

# Number classes; a number in none of them (0, above 81) earns nothing.
CLASS_FIRST = frozenset((1, 3, 5, 7, 8, 11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32, 33, 35, 37,
                         39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81))
CLASS_SECOND = frozenset((6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75))
CLASS_THIRD = frozenset((2, 4, 9, 10, 12, 14, 19, 20, 22, 28, 34, 36, 40, 42, 43, 44, 46, 50, 53,
                         54, 56, 59, 60, 62, 64, 66, 69, 70, 72, 74, 76, 77, 78, 79, 80))

# Points per grid kind: full, 85 % and 70 %.
POINTS = {
    HEAVEN: (10.0, 8.5, 7.0),
    EARTH: (10.0, 8.5, 7.0),
    PERSON: (30.0, 25.5, 21.0),
    TOTAL: (20.0, 17.0, 14.0),
    OUTER: (10.0, 8.5, 7.0),
}

ELEMENTS = "木火土金水"          # by last digit: 1-2 木, 3-4 火, 5-6 土, 7-8 金, 9-0 水
GENERATES = {"木": "火", "火": "土", "土": "金", "金": "水", "水": "木"}
OVERCOMES = {"木": "土", "土": "水", "水": "火", "火": "金", "金": "木"}

GRADE_POINTS = {1: 20.0, 2: 18.0, 3: 16.0, 4: 15.0, 5: 14.0, 6: 13.0, 7: 12.0}

# Grid numbers the tradition calls too strong ("首领数") for a woman's 人格, 地格 or 总格.
UNSUITED_TO_WOMEN = frozenset((21, 23, 29, 33, 39))


def grid_numbers(s1, s2, g1, g2):
    """(天格, 人格, 地格, 总格, 外格) of a name."""
    heaven = s1 + s2 if s2 else s1 + 1
    earth = g1 + g2 if g2 else g1 + 1
    person = (s2 if s2 else s1) + g1
    total = s1 + s2 + g1 + g2
    outer = 2 if (not s2 and not g2) else total - person + 1
    return heaven, person, earth, total, outer


def number_class(n):
    """0 first (full points), 1 second, 2 third, None for a number in no class."""
    if n in CLASS_FIRST:
        return 0
    if n in CLASS_SECOND:
        return 1
    if n in CLASS_THIRD:
        return 2
    return None


def grid_score(n, kind):
    cls = number_class(n)
    return 0.0 if cls is None or kind not in POINTS else POINTS[kind][cls]


def element_of_number(n):
    if n < 0:
        return ""
    return ELEMENTS[((n % 10) + 9) % 10 // 2]


def talent_title(heaven, person, earth):
    return element_of_number(heaven) + element_of_number(person) + element_of_number(earth)


def relation(upper, lower):
    """'生' when one element generates the other, '同' when equal, '克' when one overcomes."""
    if upper == lower:
        return "同"
    if GENERATES[upper] == lower or GENERATES[lower] == upper:
        return "生"
    return "克"


def talent_grade(title):
    """Grade 1 (best) to 7 of a three-talent title, from 天->人 and 人->地.

    1 both generating; 2 one generating, one equal; 3 both equal; 4 天->人 overcoming and
    人->地 generating; 5 天->人 generating and 人->地 overcoming (the person-earth pair weighs
    more: it is the base of the name); 6 one equal, one overcoming; 7 both overcoming.
    """
    a = relation(title[0], title[1])
    b = relation(title[1], title[2])
    pair = a + b
    if pair == "生生":
        return 1
    if pair in ("生同", "同生"):
        return 2
    if pair == "同同":
        return 3
    if pair == "克生":
        return 4
    if pair == "生克":
        return 5
    if pair in ("同克", "克同"):
        return 6
    return 7


def all_titles():
    """The 125 titles in the order 木火土金水 per position."""
    return [a + b + c for a in ELEMENTS for b in ELEMENTS for c in ELEMENTS]


def talent_score(title, grades=None):
    """Grade points of a title; -1 when the title is missing or its grade is out of range."""
    grade = (grades or {}).get(title) if grades is not None else talent_grade(title)
    return GRADE_POINTS.get(grade, -1.0)


def exact_score(s1, s2, g1, g2, grades=None):
    """The score as the analysis adds it up (a real; a multiple of 0.5)."""
    heaven, person, earth, total, outer = grid_numbers(s1, s2, g1, g2)
    score = 0.0
    score += grid_score(heaven, HEAVEN)
    score += grid_score(earth, EARTH)
    score += grid_score(person, PERSON)
    score += grid_score(total, TOTAL)
    score += grid_score(outer, OUTER)
    score += talent_score(talent_title(heaven, person, earth), grades)
    return score


def round_score(x):
    """Integer score: halves go up (85.5 -> 86), so a higher exact score never ranks lower."""
    return int(x * 2 + 1) // 2 if x >= 0 else -int(-x * 2 + 1) // 2


def score(s1, s2, g1, g2, grades=None):
    return round_score(exact_score(s1, s2, g1, g2, grades))


def ill_fated_count(s1, s2, g1, g2):
    """How many of the five grid numbers are in the third class or in no class."""
    return sum(1 for n in grid_numbers(s1, s2, g1, g2) if number_class(n) in (2, None))


def unsuited_to_women(s1, s2, g1, g2):
    heaven, person, earth, total, outer = grid_numbers(s1, s2, g1, g2)
    return any(n in UNSUITED_TO_WOMEN for n in (person, earth, total))
