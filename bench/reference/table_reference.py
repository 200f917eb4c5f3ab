#!/usr/bin/env python3
"""A straightforward Python version of `tarnvale-cli table`, the yardstick for its speed.

Writes the same CSV for every channel of every band. Not used by the program.
"""
import sys

CELL = ([(991, 33, 1), (1, 799, 1)], [(1, 799, 0, 870, 0.03, 45), (991, 1023, 991, 869.04, 0.03, 45)], 30)
# format, band, list segments (first, count, step), offset-step rows (low, high, first, base,
# step, gap) or divide-by-five rows (low, high, offset), spacing per row or for the band, gap
BANDS = [
    ("CDMA", "Cell 800") + CELL,
    ("CDMA", "US PCS 1900", [(0, 1200, 1)], [(0, 1199, 0, 1930, 0.05, 80)], 50),
    ("CDMA", "Korea PCS", [(0, 600, 1)], [(0, 599, 0, 1840, 0.05, 90)], 50),
    ("CDMA", "TACS (Japan)", [(1041, 159, 1), (1201, 400, 1), (801, 239, 1), (1, 799, 1)],
     [(1, 799, 1, 860.0125, 0.0125, -55), (801, 1039, 801, 843.0125, 0.0125, -55),
      (1041, 1199, 1041, 832.0125, 0.0125, -55), (1201, 1600, 1201, 838.0125, 0.0125, -55)], 12.5),
    ("CDMA", "IMT2000", [(0, 1200, 1)], [(0, 1199, 0, 2110, 0.05, 190)], 50),
    ("CDMA", "China Cellular", [(0, 700, 1)], [(0, 699, 0, 925, 0.05, 45)], 50),
    ("CDMA", "Secondary 800", [(0, 920, 1)],
     [(0, 719, 0, 851, 0.025, 45), (720, 919, 720, 935, 0.025, 39)], 25),
    ("CDMA", "NMT450", [(539, 333, 1), (1, 300, 1), (1039, 435, 1), (1792, 225, 1)],
     [(1, 300, 1, 460, 0.025, 10, 25), (539, 871, 539, 421.675, 0.025, 10, 25),
      (1039, 1473, 1039, 461.31, 0.02, 10, 20), (1792, 2016, 1792, 489, 0.02, 10, 20)], None),
    ("GSM", "P-GSM 900", [(1, 124, 1)], [(1, 124, 0, 935, 0.2, 45)], 200),
    ("GSM", "E-GSM 900", [(975, 49, 1), (0, 125, 1)],
     [(0, 124, 0, 935, 0.2, 45), (975, 1023, 975, 925.2, 0.2, 45)], 200),
    ("GSM", "DCS 1800", [(512, 374, 1)], [(512, 885, 512, 1805.2, 0.2, 95)], 200),
    ("GSM", "GSM 850", [(128, 124, 1)], [(128, 251, 128, 869.2, 0.2, 45)], 200),
    ("GSM", "PCS 1900", [(512, 299, 1)], [(512, 810, 512, 1930.2, 0.2, 80)], 200),
    ("GSM", "R-GSM 900", [(955, 69, 1), (0, 125, 1)],
     [(0, 124, 0, 935, 0.2, 45), (955, 1023, 1024, 935, 0.2, 45)], 200),
    ("GSM", "GSM 750", [(438, 74, 1)], [(438, 511, 438, 777.2, 0.2, 30)], 200),
    ("GSM", "GSM 450", [(259, 35, 1)], [(259, 293, 259, 460.6, 0.2, 10)], 200),
    ("GSM", "GSM 480", [(306, 35, 1)], [(306, 340, 306, 489, 0.2, 10)], 200),
]
WCDMA = [  # band, segments, gap, rows (low, high, offset, spacing), downlink offsets
    ("Band I", [(9612, 277, 1)], 190, [(-32768, 32767, 0, 200)], lambda n: n + 950),
    ("Band II", [(12, 12, 25), (9262, 277, 1)], 80,
     [(12, 287, 1850.1, 5000), (9262, 9538, 0, 200)], lambda n: n + 400),
    ("Band III", [(8562, 352, 1)], 95, [(-32768, 32767, 0, 200)], lambda n: n + 475),
    ("Band IV", [(1162, 9, 25), (8562, 202, 1)], 400,
     [(1162, 1362, 1480.1, 5000), (8562, 8763, 0, 200)],
     lambda n: n + 300 if n <= 1362 else n + 2000),
    ("Band V", [(782, 1, 1), (787, 1, 1), (807, 1, 1), (812, 3, 25), (4132, 102, 1)], 45,
     [(782, 862, 670.1, 0), (4132, 4233, 0, 200)], lambda n: n + 225),
    ("Band VI", [(812, 2, 25), (4162, 27, 1)], 45,
     [(812, 812, 670.1, 5000), (837, 837, 670.1, 5000), (4162, 4188, 0, 200)], lambda n: n + 225),
]
IS136_PCS = ("IS-136", "PCS 1900", [(2, 1997, 1)], [(2, 1998, 2, 1930.08, 0.03, 80.04)], 30)


def channels(segments):
    return [first + k * step for first, count, step in segments for k in range(count)]


def number(value):
    text = ("%.15g" % value)
    if "e" in text:
        text = ("%.15f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("0", "-0") else text


def offset_step_rows(fmt, band, segments, rows, spacing):
    out = []
    for index, n in enumerate(channels(segments)):
        for row in rows:
            low, high, first, base, step, gap = row[:6]
            if low <= n <= high:
                forward = base + step * (n - first)
                reverse = forward - gap
                s = spacing if spacing is not None else row[6]
                out.append("%s,%s,%d,%d,%.4f,%.4f,%s,%s," % (
                    fmt, band, index, n, forward, reverse, number(forward - reverse), number(s)))
                break
    return out


def main():
    lines = ["format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel"]
    for entry in BANDS:
        lines += offset_step_rows(*entry)
    for band, segments, gap, rows, downlink in WCDMA:
        for index, n in enumerate(channels(segments)):
            for low, high, offset, spacing in rows:
                if low <= n <= high:
                    reverse = n / 5.0 + offset
                    forward = reverse + gap
                    lines.append("WCDMA,%s,%d,%d,%.4f,%.4f,%s,%s,%d" % (
                        band, index, n, forward, reverse, number(forward - reverse),
                        number(spacing), downlink(n)))
                    break
    lines += offset_step_rows("IS-136", "Cell 800", *CELL)
    lines += offset_step_rows(*IS136_PCS)
    lines += offset_step_rows("AMPS", "Cell 800", *CELL)
    sys.stdout.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()
