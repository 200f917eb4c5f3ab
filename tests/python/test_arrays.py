"""lookup_many and frequencies against the one-number answers they stand for: lookup's and
convert's rows, the plain engine path, and with and without NumPy."""

import array
import math
import random

import numpy
import pytest

import tarnvale
from tarnvale import _tarnvale


def same(a, b):
    return a == b or (math.isnan(a) and math.isnan(b))


def edge_numbers(format):
    """Each band's first, middle and last channel of each direction, and their neighbours."""
    spans = []
    if format in ("LTE", "NR"):
        for row in _tarnvale._band_facts():
            if row["format"] == format:
                spans += [span for span in (row["dl_numbers"], row["ul_numbers"]) if span]
    else:
        for row in tarnvale.table(format):
            spans += [(row[key], row[key]) for key in ("channel", "dl_channel", "ul_channel")
                      if row[key] is not None]
    numbers = set()
    for first, last in spans:
        for number in (first, (first + last) // 2, last):
            numbers.update({number - 1, number, number + 1})
    return sorted(numbers)


@pytest.mark.parametrize("format", ["CDMA", "GSM", "WCDMA", "IS-136", "AMPS", "LTE", "NR", "UMTS"])
def test_lookup_many_is_the_plain_answer_number_by_number(format):
    numbers = edge_numbers(format) + random.Random(format).sample(range(0, 3_300_000), 2000)
    fast = tarnvale.lookup_many(format, numbers)
    for number, mhz in zip(numbers, fast):
        assert same(mhz, _tarnvale._first_carrier_mhz(format, number)), number


@pytest.mark.parametrize("format, numbers", [("LTE", [1300, 18300, 66436, 5, 70000]),
                                             ("NR", [620000, 396000, 2054166, 7]),
                                             ("GSM", [512, 1, 975]),
                                             ("WCDMA", [10562, 9612])])
def test_lookup_many_is_lookups_first_band(format, numbers):
    for number, mhz in zip(numbers, tarnvale.lookup_many(format, numbers)):
        rows = tarnvale.lookup(number, format=format)
        if not rows:
            assert math.isnan(mhz)
            continue
        row = rows[0]
        downlink = row["dl_channel"] == number or row["channel"] == number
        expected = row["forward_mhz"] if downlink and row["forward_mhz"] else row["reverse_mhz"]
        assert mhz == expected, number


def test_frequencies_are_convert_rows():
    channels = [512, 600, 810, 811, 1]
    mhz = tarnvale.frequencies("GSM", "PCS 1900", channels)
    for channel, value in zip(channels, mhz):
        try:
            assert value == tarnvale.convert("GSM", "PCS 1900", channel)[0]["forward_mhz"]
        except tarnvale.Error:
            assert math.isnan(value)
    uplink = tarnvale.frequencies("LTE", "3", [19300, 1300])
    assert list(uplink) == [1720.0, 1815.0]


def test_arrays_in_and_out():
    numbers = numpy.array([[620000, 632628], [1, 2054166]], dtype=numpy.int32)
    mhz = tarnvale.lookup_many("NR", numbers)
    assert isinstance(mhz, numpy.ndarray) and mhz.dtype == numpy.float64 and mhz.shape == (4,)
    assert list(tarnvale.lookup_many("NR", numpy.array([620000.0]))) == [3300.0]
    assert len(tarnvale.lookup_many("NR", [])) == 0
    assert list(tarnvale.lookup_many("NR", (n for n in [620000]))) == [3300.0]
    for bad in ([1.5], ["x"], numpy.array([True])):
        with pytest.raises(tarnvale.Error):
            tarnvale.lookup_many("NR", bad)
    with pytest.raises(tarnvale.Error, match="unknown format"):
        tarnvale.lookup_many("XYZ", [1])
    with pytest.raises(tarnvale.Error, match="no band"):
        tarnvale.frequencies("LTE", "Band 300", [1])


def test_without_numpy_the_answer_is_an_array_array(monkeypatch):
    monkeypatch.setattr(tarnvale, "_numpy", None)
    mhz = tarnvale.lookup_many("NR", [620000, 1])
    assert isinstance(mhz, array.array) and mhz[0] == 3300.0 and math.isnan(mhz[1])
    with pytest.raises(tarnvale.Error):
        tarnvale.lookup_many("NR", [1.5])
