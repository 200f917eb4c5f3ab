#!/usr/bin/env python3
"""A straightforward Python version of `tarnvale-cli annotate` for downlink channels of LTE, NR
or UMTS: the yardstick for its speed, as a user would write it with the csv module and a
dictionary of the band table (as `band_table_json` writes it). Not used by the program.
Usage: annotate_reference.py BANDS.json FORMAT COLUMN < log.csv > annotated.csv
"""
import csv
import json
import sys


def mhz_text(khz):
    whole, rest = divmod(khz, 1000)
    return "%s.%03d0" % (whole if whole else "", rest)


def downlink_carriers(bands, fmt):
    """Each downlink channel number: the bands that have it, in table order, with its carrier."""
    table = {}
    for band in bands:
        if band["format"] != fmt or "carriers" not in band:
            continue
        for first, step, last, first_khz, khz_per_number in band["carriers"]["downlink"]:
            for n in range(first, last + 1, step):
                entries = table.setdefault(n, [])
                if not entries or entries[-1][0] != band["band"]:
                    entries.append((band["band"], first_khz + (n - first) * khz_per_number))
    return table


def fields(entries):
    if not entries:
        return ["", "", ""]
    bands = "|".join(name for name, _ in entries)
    carriers = [mhz_text(khz) for _, khz in entries]
    if len(set(carriers)) == 1:
        return [bands, "downlink", carriers[0]]
    return [bands, "|".join("downlink" for _ in entries), "|".join(carriers)]


def main():
    table = downlink_carriers(json.load(open(sys.argv[1])), sys.argv[2])
    reader = csv.reader(sys.stdin)
    writer = csv.writer(sys.stdout, lineterminator="\n")
    header = next(reader)
    column = header.index(sys.argv[3])
    writer.writerow(header + ["bands", "direction", "frequency_mhz"])
    for row in reader:
        try:
            entries = table.get(int(row[column]), [])
        except (ValueError, IndexError):
            entries = []
        writer.writerow(row + fields(entries))


main()
