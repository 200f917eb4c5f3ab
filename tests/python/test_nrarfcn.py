"""tarnvale.nrarfcn against the 3GPP definitions over every NR band's first, middle and last
channel and every GSCN, and against the nrarfcn package's documented answers."""

import math

import pytest

import tarnvale
import tarnvale.nrarfcn as nr
from tarnvale import _tarnvale

NR_BANDS = [row for row in _tarnvale._band_facts() if row["format"] == "NR"]


def global_raster_mhz(n):
    """TS 38.104 Table 5.4.2.1-1: F_REF = F_REF-Offs + ΔF_Global (N_REF - N_REF-Offs)."""
    if n < 600000:
        return n * 5 / 1000
    if n < 2016667:
        return (3000000 + 15 * (n - 600000)) / 1000
    return (24250080 + 60 * (n - 2016667)) / 1000


def sync_raster_mhz(gscn):
    """TS 38.104 Table 5.4.3.1-1 (channels above 3 MHz)."""
    if gscn < 7499:
        n, m = divmod(gscn + 1, 3)  # GSCN = 3N + (M - 3) / 2
        return round((n * 1200 + (2 * m + 1) * 50) / 1000, 3)
    if gscn < 22256:
        return round(3000 + (gscn - 7499) * 1.44, 3)
    return round(24250.08 + (gscn - 22256) * 17.28, 3)


def band_channels():
    for row in NR_BANDS:
        for span in (row["dl_numbers"], row["ul_numbers"]):
            if span:
                first, last = span
                for n in (first, (first + last) // 2, last):
                    yield row, n


def test_every_bands_channels_follow_the_global_raster():
    for row, n in band_channels():
        mhz = nr.get_frequency(n)
        assert mhz == global_raster_mhz(n), n
        assert nr.get_nrarfcn(mhz) == n
        name = row["name"]
        if row["name"] not in nr.get_bands_by_nrarfcn(n):
            # The middle number of a band whose directions lie apart (n1's 1980-2110 MHz gap)
            # is in none of its directions.
            spans = [s for s in (row["dl_khz"], row["ul_khz"]) if s]
            assert not any(a <= mhz * 1000 <= b for a, b in spans), name


def test_every_gscn_round_trips():
    for gscn in range(2, 26640):
        mhz = nr.get_frequency_by_gscn(gscn)
        assert mhz == sync_raster_mhz(gscn), gscn
        assert nr.get_gscn_by_frequency(mhz) == gscn


def test_band_ranges_are_the_band_rows():
    for row in NR_BANDS:
        name = row["name"]
        assert nr.get_duplex_mode(name) == row["duplex"]
        dl = nr.get_nrarfcn_range(name, "dl")
        assert dl == (row["dl_numbers"] or ("N/A", "N/A"))
        low, high = nr.get_frequency_range(name) if row["duplex"] != "SUL" else (None, None)
        if low is not None:
            assert (low * 1000, high * 1000) == row["dl_khz"]


# Answers the nrarfcn package documents for these calls, where Tarnvale's tables agree.
DOCUMENTED = [
    (nr.get_frequency, (620000,), 3300.0),
    (nr.get_frequency, (2071387,), 27533.28),
    (nr.get_frequency, (3279165,), 99999.96),
    (nr.get_nrarfcn, (3300,), 620000),
    (nr.get_nrarfcn, (27500.0,), 2070832),
    (nr.get_nrarfcn, (3600.005,), 640000),
    (nr.get_nrarfcn, (100000,), 3279165),
    (nr.get_nrarfcn, (24250,), 2016667),
    (nr.get_bands_by_frequency, (1850.0,), ["n2", "n3", "n25"]),
    (nr.get_bands_by_frequency, (1.0,), []),
    (nr.get_bands_by_nrarfcn, (630000,), ["n77", "n78"]),
    (nr.get_duplex_mode, ("n75",), "SDL"),
    (nr.get_duplex_mode, ("n80",), "SUL"),
    (nr.get_duplex_mode, ("B66",), "FDD"),
    (nr.get_nrarfcn_range, ("n78",), (620000, 653333)),
    (nr.get_nrarfcn_range, ("n80",), (342000, 357000)),
    (nr.get_nrarfcn_range, ("n75", "ul"), ("N/A", "N/A")),
    (nr.get_frequency_range, ("n100", "dl"), (919.4, 925)),
    (nr.get_frequency_range, ("B66", "dl"), (2110, 2200)),
    (nr.get_gscn_by_frequency, (3619.0,), 7929),
    (nr.get_gscn_by_frequency, (1842.15,), 4605),
    (nr.get_frequency_by_gscn, (2,), 1.25),
    (nr.get_gscn_range, ("n77",), (7711, 8329)),
    (nr.get_gscn_range, ("n41",), (6246, 6717)),
    (nr.get_frequency_by_lte_earfcn, (46790,), 5150.0),
    (nr.get_lte_earfcn_by_frequency, (1850.0,), [1650, 3851, 18600, 26040, 36350]),
    (nr.get_lte_bands_by_frequency, (2140.0,), ["B1", "B4", "B10", "B65", "B66"]),
    (nr.get_band_by_lte_earfcn, (74866,), "B113"),
    (nr.get_lte_earfcn_range, ("B46",), (46790, 54539)),
]


@pytest.mark.parametrize("function, args, answer", DOCUMENTED)
def test_documented_answers(function, args, answer):
    assert function(*args) == answer


ERRORS = [
    (nr.get_frequency, (620000.0,), "NR-ARFCN must be an integer."),
    (nr.get_frequency, (True,), "NR-ARFCN must be an integer."),
    (nr.get_frequency, (3279166,), "NR-ARFCN must be between 0 and 3,279,165."),
    (nr.get_nrarfcn, ("3300",), "Frequency must be a float or an integer."),
    (nr.get_nrarfcn, (100000.5,), "Frequency must be between 0 and 100,000 (MHz)."),
    (nr.get_gscn_by_frequency, (-1,), "Frequency must be between 0 and 100,000 (MHz)"),
    (nr.get_duplex_mode, (78.0,), "Band must be a string or integer."),
    (nr.get_duplex_mode, ("78",), "Band 78 not in table."),
    (nr.get_nrarfcn_range, ("B3",), "The band must be an integer or a string starting with "
                                    "'n': 12, 'n12', 101, 'n101', etc."),
    (nr.get_nrarfcn_range, ("n999",), "Invalid band: n999."),
    (nr.get_nrarfcn_range, ("n78", "up"), "Invalid direction: up. Must be 'dl', 'ul' or "
                                          "default value (empty string)."),
    (nr.get_gscn_range, ("n80",), "Invalid band: n80."),
    (nr.get_frequency_by_gscn, (1,), "GSCN must be between 2 and 41638"),
    (nr.get_frequency_by_gscn, ("7929",), "GSCN must be an integer"),
    (nr.get_frequency_by_lte_earfcn, (262144,), "LTE EARFCN must be between 0 and 262,143."),
    (nr.get_frequency_by_lte_earfcn, (255144,), "LTE EARFCN is not valid."),
    (nr.get_lte_earfcn_range, ("n3",), "The LTE band must be an integer or a string starting "
                                       "with 'B': 12, 'B12', 101, 'B101', etc."),
]


@pytest.mark.parametrize("function, args, message", ERRORS)
def test_errors_are_value_errors_with_the_packages_messages(function, args, message):
    with pytest.raises(ValueError) as raised:
        function(*args)
    assert str(raised.value) == message


def test_newer_tables_know_the_satellite_bands():
    assert "n256" in nr.get_bands_by_frequency(1990.0)
    assert nr.get_duplex_mode("n254") == "FDD"
    assert not math.isnan(nr.get_frequency(497230))
