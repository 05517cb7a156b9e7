#!/usr/bin/env python3
"""Compares the words of two PDFs as `pdftotext -bbox` reads them.

    same-words.py A.html B.html [TOLERANCE_PT]

Passes (exit 0) when both hold the same words and every word of A stands
within TOLERANCE_PT points (default 1.5) of the same word in B, edges and
baseline alike. Prints the largest offset found. Font engines differ in how
they round glyph advances, so two systems never place words to the last
hundredth of a point; a plate's layout is kept when they agree to a fraction
of a millimetre.
"""
import re
import sys
from collections import Counter

WORD = re.compile(r'xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<')


def words(path):
    with open(path, encoding="utf-8") as f:
        return [(float(x0), float(x1), float(y1), text) for x0, x1, y1, text in WORD.findall(f.read())]


def main():
    a, b = words(sys.argv[1]), words(sys.argv[2])
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 1.5
    if Counter(w[3] for w in a) != Counter(w[3] for w in b):
        print("the words differ:", (Counter(w[3] for w in a) - Counter(w[3] for w in b)) or "",
              (Counter(w[3] for w in b) - Counter(w[3] for w in a)) or "")
        return 1
    worst, where = 0.0, None
    for word in a:
        offset = min(max(abs(word[0] - o[0]), abs(word[1] - o[1]), abs(word[2] - o[2]))
                     for o in b if o[3] == word[3])
        if offset > worst:
            worst, where = offset, word
    print(f"{len(a)} words, largest offset {worst:.2f} pt ({worst * 25.4 / 72:.2f} mm)"
          + (f" at {where[3]!r}" if where else ""))
    return 0 if worst <= tolerance else 1


if __name__ == "__main__":
    sys.exit(main())
