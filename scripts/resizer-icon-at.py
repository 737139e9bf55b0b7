#!/usr/bin/env python3
"""Where the resizer's icon stands on a screen picture (a binary PPM on stdin): prints the
centre of the largest patch of its blue title bar, "X Y" (the object inspector shows a smaller
copy of the icon). Exit 1 when the screen shows none."""
import sys

data = sys.stdin.buffer.read()
parts = data.split(maxsplit=4)
w, h, pix = int(parts[1]), int(parts[2]), parts[4]
hits = []
for y in range(h):
    row = pix[y * w * 3:(y + 1) * w * 3]
    for x in range(w):
        if abs(row[3 * x] - 70) <= 4 and abs(row[3 * x + 1] - 110) <= 4 and abs(row[3 * x + 2] - 190) <= 4:
            hits.append((x, y))
if not hits:
    sys.exit("no resizer icon on the screen")
near = lambda p: [q for q in hits if abs(q[0] - p[0]) <= 24 and abs(q[1] - p[1]) <= 24]
patch = max((near(p) for p in hits), key=len)
print(min(q[0] for q in patch) + 13, min(q[1] for q in patch) + 13)
