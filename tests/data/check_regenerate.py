#!/usr/bin/env python3
"""Regenerate the character and score data into a temporary folder and require every file to
equal the committed one byte for byte."""
import filecmp
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUTPUTS = ("YavCode/word.sql", "YavCode/word.tsv", "YavCode/zh.sql", "YavCode/zh.tsv",
           "QorFile/sancai.sql", "QorFile/sancai.tsv", "sources/score_samples.tsv")


def run(*args):
    subprocess.run([sys.executable] + list(args), check=True, cwd=ROOT)


def main():
    failed = []
    with tempfile.TemporaryDirectory() as tmp:
        run("tools/gen_chardata.py", "--out", tmp)
        run("tools/gen_zh.py", "--out", tmp)
        pinyin = os.path.join(tmp, "pinyin_data.inc")
        run("tools/gen_pinyin.py", "--out", pinyin)
        pairs = [(os.path.join(tmp, p), os.path.join(ROOT, "refdata", p)) for p in OUTPUTS]
        pairs.append((pinyin, os.path.join(ROOT, "src", "numerology", "pinyin_data.inc")))
        for made, committed in pairs:
            if not os.path.exists(committed) or not filecmp.cmp(made, committed, shallow=False):
                failed.append(os.path.relpath(committed, ROOT))
    for f in failed:
        print("differs from its generator's output: " + f)
    print("%d passed, %d failed" % (len(OUTPUTS) + 1 - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
