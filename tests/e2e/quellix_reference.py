#!/usr/bin/env python3
"""What Quellix must produce for a Gaussian output file, computed without the
runtime: the list file before and after "Recalculate", the spectrum file, and
the curve pixels of the plot in the stored 526 by 378 canvas.

    quellix_reference.py expect GAUSSIAN_FILE OUT_PREFIX
        writes OUT_PREFIX.raw.fre, OUT_PREFIX.fre, OUT_PREFIX.tab, OUT_PREFIX.curve
    quellix_reference.py make-modes COUNT ACTIVITY OUT_FILE
        writes a Gaussian-format file with COUNT modes 10 cm-1 apart from
        100 cm-1, every Raman activity ACTIVITY (a number, or "step" for
        1.5, 3, 4.5, ...)

The arithmetic follows the application step by step: the reader's cuts and
replacements, Val, Round (floor of x + 0.5), truncation to Integer, Str with
seven decimals stripped, Format with "#.00", the merging of adjacent equal
frequencies, the Gaussian bands and the plot's scales. The .curve file lists
"x y" for every pixel the curve's vertical segments set (a segment leaves out
its end point).
"""
import math
import re
import sys

MARKER = "FREQUENCIES -- "
GRID_LAST = 4000

# The stored canvas and the frame drawn in it.
CANVAS_WIDTH, CANVAS_HEIGHT = 526, 378
PLOT_TOP, PLOT_LEFT = 18, 40
PLOT_BOTTOM, PLOT_RIGHT = CANVAS_HEIGHT - 50, CANVAS_WIDTH - 18
X_SCALE = (PLOT_RIGHT - PLOT_LEFT) / 4000
Y_SCALE = (PLOT_BOTTOM - PLOT_TOP) / 100


def text_lines(data):
    """The lines a text stream reads: CR, LF and CR LF each end one line; a
    last line without an end is read whole."""
    lines = re.split(rb"\r\n|\r|\n", data)
    if lines and lines[-1] == b"":
        lines.pop()
    return [line.decode("latin-1") for line in lines]


def val(text):
    """Val: a leading decimal number after white space, or 0."""
    match = re.match(r"[ \t\n\v\f\r]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", text)
    return float(match.group(1)) if match else 0.0


def runtime_round(x):
    return math.floor(x + 0.5)


def to_int(x):
    """Truncation toward zero."""
    return int(x)


def str_number(x):
    """Str: seven decimals with trailing zeros and point removed, or the
    exponent form outside 0.00001 .. 1,000,000."""
    if x == 0:
        x = 0.0
    magnitude = abs(x)
    if magnitude == 0 or 0.00001 <= magnitude <= 1000000:
        return ("%.7f" % x).rstrip("0").rstrip(".")
    return "%.7e" % x


def format_hash_00(x):
    """Format(x, "#.00") with "." as the decimal separator: two decimals
    printed, trailing zeros dropped, then one integer placeholder that takes
    every integer digit and two fraction placeholders that print "0" where
    no digit is left. The pattern has no sign, so a negative number loses it."""
    printed = ("%.2f" % abs(x)).lstrip(" ").rstrip("0")
    point = printed.find(".")
    point = len(printed) if point < 0 else point
    integer = printed[:point] if point > 1 else printed[point - 1:point]
    fraction = ""
    for k in range(2):
        position = point + k + 1
        fraction += printed[position] if position < len(printed) else "0"
    return integer + "." + fraction


def read_list(data):
    """The reader: one row (frequency text, activity text) per mode."""
    lines = text_lines(data)
    position = 0

    def read_line():
        nonlocal position
        line = lines[position] if position < len(lines) else ""
        position += 1
        return line

    def cut(line):
        line = line[15:].lstrip(" \t\n\v\f\r")
        return line.replace(" " * 12, "\t").replace(" ", "")

    def split_field(line):
        tab = line.find("\t")
        return (line, "") if tab < 0 else (line[:tab], line[tab + 1:])

    rows = []
    while position < len(lines):
        frequencies = read_line()
        if MARKER not in frequencies.upper():
            continue
        for _ in range(4):
            activities = read_line()
        frequencies, activities = cut(frequencies), cut(activities)
        for _ in range(3):
            frequency, frequencies = split_field(frequencies)
            activity, activities = split_field(activities)
            rows.append((frequency, activity))
    return rows


def recalculate(rows):
    """The line list: rounded frequencies, square roots of the activities,
    zero lines dropped, adjacent equal frequencies merged, normalised to 100."""
    freq = [0] * (len(rows) + 2)
    inten = [0.0] * (len(rows) + 2)
    last, k = 0, 1
    for frequency_text, activity_text in rows:
        f = to_int(runtime_round(val(frequency_text)))
        activity = val(activity_text)
        a = math.sqrt(activity) if activity >= 0 else math.nan
        if a == 0:
            continue
        if f != last:
            freq[k], inten[k] = f, a
            k += 1
            last = f
        else:
            inten[k - 1] += a
    highest = 0.0
    for i in range(1, k + 1):
        if inten[i] > highest:
            highest = inten[i]
    for i in range(1, k + 1):
        inten[i] = 100 * inten[i] / highest if highest != 0 else math.nan
    return [(str_number(freq[i]), format_hash_00(inten[i]).replace(",", "."))
            for i in range(1, k + 1) if freq[i] != 0]


def spectrum(line_list):
    """Gaussian bands on the grid 0..4000, normalised to 100 at the highest
    point; an all-zero spectrum stays zero."""
    values = [0.0] * (GRID_LAST + 2)
    c = 7.5 * math.exp(0.15 * 10)
    for frequency_text, intensity_text in line_list:
        f = to_int(runtime_round(val(frequency_text)))
        h = val(intensity_text)
        for j in range(1, 401):
            x = f - 200 + j
            if 0 <= x <= GRID_LAST:
                d = j - 200
                values[x] += h * math.exp(-(d * d) / c)
    highest = 0.0
    for i in range(GRID_LAST + 1):
        if values[i] > highest:
            highest = values[i]
    if highest != 0:
        for i in range(GRID_LAST + 1):
            values[i] = values[i] * 100 / highest
    return values


def spectrum_lines(values):
    return [(str_number(i) + "\t" + format_hash_00(values[i])).replace(".", ",")
            for i in range(GRID_LAST + 1) if values[i] > 0.0001]


def curve_pixels(values):
    """The pixels of the curve: for each i a vertical segment in the column of
    point i from the height of point i towards that of point i + 1, without
    its end point."""
    pixels = set()
    for i in range(GRID_LAST):
        x = to_int(runtime_round(i * X_SCALE) + PLOT_LEFT)
        y1 = to_int(PLOT_BOTTOM - runtime_round(values[i] * Y_SCALE * 0.98))
        y2 = to_int(PLOT_BOTTOM - runtime_round(values[i + 1] * Y_SCALE * 0.98))
        step = 1 if y2 > y1 else -1
        for y in range(y1, y2, step):
            pixels.add((x, y))
    return sorted(pixels)


def write_lines(path, lines):
    with open(path, "wb") as out:
        out.write(b"".join(line.encode("latin-1") + b"\r\n" for line in lines))


def expect(gaussian_path, prefix):
    with open(gaussian_path, "rb") as source:
        rows = read_list(source.read())
    line_list = recalculate(rows)
    values = spectrum(line_list)
    write_lines(prefix + ".raw.fre", [f + "\t" + a for f, a in rows])
    write_lines(prefix + ".fre", [f + "\t" + a for f, a in line_list])
    write_lines(prefix + ".tab", spectrum_lines(values))
    with open(prefix + ".curve", "w") as out:
        out.write("".join("%d %d\n" % pixel for pixel in curve_pixels(values)))


def make_modes(count, activity, path):
    """A Gaussian-format frequency section: blocks of three modes, each value
    right-aligned in 11 columns, 23 columns apart."""
    def line(label, values):
        return label.ljust(15) + "".join(v.rjust(11) + " " * 12 for v in values).rstrip() + "\n"

    out = [" Entering Gaussian System, generated by Quellix's tests\n",
           " Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering\n"]
    for first in range(0, count, 3):
        modes = range(first, min(first + 3, count))
        activities = ["%.4f" % ((m + 1) * 1.5 if activity == "step" else float(activity)) for m in modes]
        out += ["".join("%23d" % (m + 1) for m in modes) + "\n",
                line(" Frequencies --", ["%.4f" % (100 + 10 * m) for m in modes]),
                line(" Red. masses --", ["1.0000" for _ in modes]),
                line(" Frc consts  --", ["0.1000" for _ in modes]),
                line(" IR Inten    --", ["0.5000" for _ in modes]),
                line(" Raman Activ --", activities)]
    out.append(" Normal termination of Gaussian\n")
    with open(path, "w", newline="\n") as target:
        target.write("".join(out))


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "expect":
        expect(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 5 and sys.argv[1] == "make-modes":
        make_modes(int(sys.argv[2]), sys.argv[3], sys.argv[4])
    else:
        sys.exit(__doc__)
