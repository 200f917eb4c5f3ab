#!/usr/bin/env python3
"""Writes a drive-test log for the annotate benchmark: a header and ROWS rows of ten columns,
one of them `earfcn`, a downlink channel of a random LTE band (every channel as likely).
Usage: drive_test_log.py BANDS.json ROWS > log.csv
"""
import json
import random
import sys


def lte_downlink_channels(bands):
    channels = set()
    for band in bands:
        if band["format"] == "LTE" and "carriers" in band:
            for first, step, last, _, _ in band["carriers"]["downlink"]:
                channels.update(range(first, last + 1, step))
    return sorted(channels)


def main():
    bands = json.load(open(sys.argv[1]))
    rows = int(sys.argv[2])
    channels = lte_downlink_channels(bands)
    rng = random.Random(7)
    out = ["time,lat,lon,rsrp,rsrq,sinr,pci,earfcn,cell_id,tac\n"]
    for row in range(rows):
        out.append("2026-12-07T10:%02d:%02d,%.6f,%.6f,-%d,-%d,%d,%d,%d,%d,%d\n" % (
            row // 60 % 60, row % 60, 51 + rng.random(), rng.random(), rng.randint(60, 130),
            rng.randint(3, 20), rng.randint(-5, 30), rng.randint(0, 503), rng.choice(channels),
            100000 + row, rng.randint(1, 65535)))
    sys.stdout.write("".join(out))


main()
