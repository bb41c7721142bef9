"""Looking at screenshots without an imaging module: ImageMagick (from scripts/install-deps)
compares them and hands over their pixels."""

import re
import subprocess


def difference(first, second):
    """The root-mean-square difference of two pictures of one size, 0 (same) to 1."""
    run = subprocess.run(["compare", "-metric", "RMSE", first, second, "null:"],
                         capture_output=True, text=True)
    found = re.search(r"\(([0-9.e-]+)\)", run.stderr)
    if not found:
        raise RuntimeError("compare %s %s: %s" % (first, second, run.stderr.strip()))
    return float(found.group(1))


def pixels(path, x, y, width, height):
    """Rows of (r, g, b) of the box at x, y."""
    raw = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                          "+repage", "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return [[tuple(raw[(row * width + column) * 3:(row * width + column) * 3 + 3])
             for column in range(width)] for row in range(height)]


def changed_share(first, second, box, threshold=48):
    """The share of the pixels in box (x, y, width, height) that differ between the two pictures
    by more than threshold in some colour, 0 (none) to 1 (all)."""
    a = pixels(first, *box)
    b = pixels(second, *box)
    changed = sum(1 for row_a, row_b in zip(a, b) for pa, pb in zip(row_a, row_b)
                  if max(abs(p - q) for p, q in zip(pa, pb)) > threshold)
    return changed / float(box[2] * box[3])
