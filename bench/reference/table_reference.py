#!/usr/bin/env python3
"""A straightforward Python version of `tarnvale-cli table`, the yardstick for its speed.

Reads the band table as `band_table_json` writes it and writes the same CSV for every channel
of every band. Not used by the program.
Usage: table_reference.py BANDS.json
"""
import heapq
import json
import sys

HEADER = ("format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel,"
          "ul_channel,duplex")


def number(value):
    text = "%.15g" % value
    if "e" in text:
        text = ("%.15f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("0", "-0") else text


def field(text):
    return '"%s"' % text.replace('"', '""') if any(c in text for c in ',"\r\n') else text


def run_numbers(first, step, last):
    return range(first, last + 1, step)


def classic_rows(fmt, band, plan):
    prefix = "%s,%s," % (field(fmt), field(band))
    rows = []
    index = 0
    for first, step, last in plan["list"]:
        for n in run_numbers(first, step, last):
            forward = reverse = spacing = 0.0
            match = next((r for r in plan["ranges"] if r[0] <= n <= r[1]), None)
            if plan["band_wide_spacing"]:
                spacing = plan["ranges"][0][6]
            elif match:
                spacing = match[6]
            if plan["divide_by_five"]:
                if match:
                    reverse = n / 5.0 + match[3]
                forward = reverse + plan["ranges"][0][5]
            elif match:
                forward = match[3] + match[4] * (n - match[2])
                reverse = forward - match[5]
            pairing = plan["pairing"]
            pair = ""
            if pairing:
                dl = n + (pairing[0] if n <= pairing[1] else pairing[2])
                pair = "%d,%d" % (dl, n)
            else:
                pair = ","
            rows.append("%s%d,%d,%.4f,%.4f,%s,%s,%s,FDD" % (
                prefix, index, n, forward, reverse, number(forward - reverse), number(spacing),
                pair))
            index += 1
    return rows


def khz_of(runs, n):
    for first, step, last, first_khz, per in runs:
        if first <= n <= last and (n - first) % step == 0:
            return first_khz + (n - first) * per
    return None


def number_at(runs, khz):
    for first, step, last, first_khz, per in runs:
        offset = khz - first_khz
        if offset >= 0 and offset % per == 0:
            n = first + offset // per
            if n <= last and (n - first) % step == 0:
                return n
    return None


def mhz(khz):
    return "%d.%03d0" % (khz // 1000, khz % 1000)


def carrier_rows(fmt, band, plan):
    prefix = "%s,%s," % (field(fmt), field(band))
    duplex = plan["duplex"]
    listed = plan["uplink"] if duplex == "SUL" else plan["downlink"]
    numbers = heapq.merge(*(run_numbers(r[0], r[1], r[2]) for r in listed))
    spacing = number(plan["spacing_khz"])
    rows = []
    index = 0
    last = None
    for n in numbers:
        if n == last:
            continue
        last = n
        khz = khz_of(listed, n)
        if duplex == "SUL":
            rows.append("%s%d,%d,,%s,,%s,,%d,SUL" % (prefix, index, n, mhz(khz), spacing, n))
        else:
            ul = None
            if duplex == "TDD":
                ul = n
            elif duplex == "FDD":
                ul = number_at(plan["uplink"], khz - plan["duplex_khz"])
            if ul is None:
                rows.append("%s%d,%d,%s,,,%s,%d,,%s" % (prefix, index, n, mhz(khz), spacing, n,
                                                        duplex))
            else:
                ul_khz = khz_of(plan["uplink"], ul)
                rows.append("%s%d,%d,%s,%s,%s,%s,%d,%d,%s" % (
                    prefix, index, n, mhz(khz), mhz(ul_khz), number((khz - ul_khz) / 1000.0),
                    spacing, n, ul, duplex))
        index += 1
    if duplex == "FDD":
        rows.extend(unpaired_uplink_rows(prefix, plan, spacing))
    return rows


# Uplink channels whose downlink pair would leave the band follow the band's list.
def unpaired_uplink_rows(prefix, plan, spacing):
    rows = []
    last = None
    for n in heapq.merge(*(run_numbers(r[0], r[1], r[2]) for r in plan["uplink"])):
        if n == last:
            continue
        last = n
        khz = khz_of(plan["uplink"], n)
        if number_at(plan["downlink"], khz + plan["duplex_khz"]) is None:
            rows.append("%s,%d,,%s,,%s,,%d,FDD" % (prefix, n, mhz(khz), spacing, n))
    return rows


def main():
    with open(sys.argv[1]) as source:
        bands = json.load(source)
    out = sys.stdout
    out.write(HEADER + "\n")
    for entry in bands:
        if "classic" in entry:
            rows = classic_rows(entry["format"], entry["band"], entry["classic"])
        else:
            rows = carrier_rows(entry["format"], entry["band"], entry["carriers"])
        if rows:
            out.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
