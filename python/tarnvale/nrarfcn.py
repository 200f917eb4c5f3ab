"""The functions of the nrarfcn package, answered by Tarnvale.

A script that does ``import nrarfcn as nr`` switches with ``import tarnvale.nrarfcn as nr``:
the names, arguments and return values are those of nrarfcn 2.6 (frequencies in MHz, bands as
``'n78'`` and ``'B66'``, ``'N/A'`` for a direction a band lacks, ``ValueError`` with the same
messages, an empty list where nothing is found). The answers follow Tarnvale's tables, which
are newer: ``release_3gpp`` is accepted and ignored. The README lists where they differ.

Example::

    >>> import tarnvale.nrarfcn as nr
    >>> nr.get_frequency(641280)
    3619.2
"""

import numbers as _numbers

import tarnvale
from tarnvale import _tarnvale
from tarnvale._tarnvale import _nr_arfcn_mhz as get_frequency  # one native call: it is the hot one

__all__ = [
    "get_band_by_lte_earfcn",
    "get_bands_by_frequency",
    "get_bands_by_nrarfcn",
    "get_duplex_mode",
    "get_frequency",
    "get_frequency_by_gscn",
    "get_frequency_by_lte_earfcn",
    "get_frequency_range",
    "get_gscn_by_frequency",
    "get_gscn_range",
    "get_lte_bands_by_frequency",
    "get_lte_earfcn_by_frequency",
    "get_lte_earfcn_range",
    "get_nrarfcn",
    "get_nrarfcn_range",
]

_FREQUENCY_TYPE = "Frequency must be a float or an integer."
_FREQUENCY_RANGE = "Frequency must be between 0 and 100,000 (MHz)."
_NR_BAND_FORM = (
    "The band must be an integer or a string starting with 'n': 12, 'n12', 101, 'n101', etc."
)
_LTE_BAND_FORM = (
    "The LTE band must be an integer or a string starting with 'B': 12, 'B12', 101, 'B101', etc."
)
_NOT_AVAILABLE = ("N/A", "N/A")
_FIRST_3MHZ_GSCN = 26640
_LAST_NR_ARFCN = 3279165
_LAST_GSCN = 41638
_LAST_EARFCN = 262143

# The band rows, by nrarfcn's names: 'n78', 'B66'.
_BANDS = {}
for _row in _tarnvale._band_facts():
    _short = _row["name"] if _row["format"] == "NR" else "B" + _row["name"].split()[-1]
    _BANDS[_short] = _row


def _is_number(value):
    return isinstance(value, _numbers.Real) and not isinstance(value, bool)


def _is_integer(value):
    return isinstance(value, _numbers.Integral) and not isinstance(value, bool)


def _frequency(value, period="."):
    if not _is_number(value):
        raise tarnvale.Error(_FREQUENCY_TYPE[:-1] + period)
    if not 0 <= value <= 100000:
        raise tarnvale.Error(_FREQUENCY_RANGE[:-1] + period)
    return value


def _bands_at(mhz, format):
    """The format's bands whose downlink or uplink holds a frequency, edges included."""
    khz = mhz * 1000
    return [
        name
        for name, row in _BANDS.items()
        if row["format"] == format
        and any(span and span[0] <= khz <= span[1] for span in (row["dl_khz"], row["ul_khz"]))
    ]


def _mhz(khz):
    return khz // 1000 if khz % 1000 == 0 else khz / 1000


def _band_row(band, formats):
    """The row of a band as nrarfcn names them: 'n78' or 78 in NR, 'B66', 'b66' or 66 in LTE
    (a number alone is NR's where NR is among the formats)."""
    form = _NR_BAND_FORM if "NR" in formats else _LTE_BAND_FORM
    if _is_integer(band):
        name = ("n" if "NR" in formats else "B") + str(band)
    elif isinstance(band, str) and band[:1] in ("n", "b", "B"):
        name = band if band[0] == "n" else "B" + band[1:]
    else:
        raise tarnvale.Error(form)
    if ("NR" if name[0] == "n" else "LTE") not in formats:
        raise tarnvale.Error(form)
    row = _BANDS.get(name)
    if row is None:
        raise tarnvale.Error("Invalid band: " + name + ".")
    return row


def _direction(row, direction):
    if direction not in ("", "dl", "ul"):
        raise tarnvale.Error(
            "Invalid direction: " + str(direction) + ". Must be 'dl', 'ul' or default value "
            "(empty string)."
        )
    if direction == "":
        return "ul" if row["duplex"] == "SUL" else "dl"
    return direction


def _span(row, key, direction):
    value = row[direction + key]
    return value if value is not None else _NOT_AVAILABLE


def get_nrarfcn(frequency, release_3gpp=None):
    """The NR-ARFCN nearest a frequency in MHz (0 to 100000) on the global raster.

    Example: get_nrarfcn(3300.0) gives 620000
    """
    khz = _frequency(frequency) * 1000
    if khz <= 3000000:
        number = round(khz / 5)
    elif khz <= 24250000:
        number = 600000 + round((khz - 3000000) / 15)
    else:
        number = 2016667 + round((khz - 24250080) / 60)
    return min(number, _LAST_NR_ARFCN)


def get_bands_by_frequency(frequency, release_3gpp=None):
    """Every NR band whose downlink or uplink holds a frequency in MHz, edges included.

    Example: get_bands_by_frequency(3500.0) gives ['n77', 'n78']
    """
    return _bands_at(_frequency(frequency), "NR")


def get_bands_by_nrarfcn(nrarfcn, release_3gpp=None):
    """Every NR band whose downlink or uplink holds an NR-ARFCN's frequency.

    Example: get_bands_by_nrarfcn(630000) gives ['n77', 'n78']
    """
    return get_bands_by_frequency(get_frequency(nrarfcn))


def get_duplex_mode(band, release_3gpp=None):
    """'FDD', 'TDD', 'SDL' or 'SUL' for an NR band ('n78' or 78) or an LTE one ('B66').

    Example: get_duplex_mode('n78') gives 'TDD'
    """
    if not _is_integer(band) and not isinstance(band, str):
        raise tarnvale.Error("Band must be a string or integer.")
    name = "n" + str(band) if _is_integer(band) else band
    name = "B" + name[1:] if name[:1] == "b" else name
    if name not in _BANDS:
        raise tarnvale.Error("Band " + name + " not in table.")
    return _BANDS[name]["duplex"]


def get_nrarfcn_range(band, direction="", release_3gpp=None):
    """The first and last NR-ARFCN of a band's direction ('dl', 'ul', or '' for the one it has).

    Example: get_nrarfcn_range('n78') gives (620000, 653333)
    """
    row = _band_row(band, ("NR",))
    return _span(row, "_numbers", _direction(row, direction))


def get_frequency_range(band, direction="", release_3gpp=None):
    """The edges in MHz of an NR or LTE band's direction.

    Example: get_frequency_range('n78') gives (3300, 3800)
    """
    row = _band_row(band, ("NR", "LTE"))
    span = _span(row, "_khz", _direction(row, direction))
    return span if span == _NOT_AVAILABLE else (_mhz(span[0]), _mhz(span[1]))


def get_gscn_by_frequency(freq, release_3gpp=None):
    """The GSCN whose SS block frequency is nearest a frequency in MHz.

    Example: get_gscn_by_frequency(3619.2) gives 7929
    """
    return tarnvale.gscn(frequency=_frequency(freq, period=""))[0]["gscn"]


def get_frequency_by_gscn(gscn, release_3gpp=None):
    """The SS block frequency in MHz of a GSCN, 2 to 41638 (26640 on those of 3 MHz channels).

    Example: get_frequency_by_gscn(7929) gives 3619.2
    """
    if not _is_integer(gscn):
        raise tarnvale.Error("GSCN must be an integer")
    if not 2 <= gscn <= _LAST_GSCN:
        raise tarnvale.Error("GSCN must be between 2 and " + str(_LAST_GSCN))
    return tarnvale.gscn(int(gscn))[0]["frequency_mhz"]


def get_gscn_range(band, release_3gpp=None):
    """The first and last GSCN of a band's synchronisation raster for channels above 3 MHz.

    Example: get_gscn_range('n78') gives (7711, 8051)
    """
    row = _band_row(band, ("NR",))
    ranges = [span for span in row["gscns"] if span[0] < _FIRST_3MHZ_GSCN]
    if not ranges:
        raise tarnvale.Error("Invalid band: " + row["name"] + ".")
    return min(span[0] for span in ranges), max(span[1] for span in ranges)


def _earfcn(earfcn):
    if not _is_integer(earfcn):
        raise tarnvale.Error("LTE EARFCN must be an integer.")
    if not 0 <= earfcn <= _LAST_EARFCN:
        raise tarnvale.Error("LTE EARFCN must be between 0 and 262,143.")
    return int(earfcn)


def get_frequency_by_lte_earfcn(earfcn, release_3gpp=None):
    """The frequency in MHz of a downlink or uplink EARFCN.

    Example: get_frequency_by_lte_earfcn(300) gives 2140.0
    """
    mhz = _tarnvale._first_carrier_mhz("LTE", _earfcn(earfcn))
    if mhz != mhz:
        raise tarnvale.Error("LTE EARFCN is not valid.")
    return round(mhz, 1)


def get_lte_earfcn_by_frequency(frequency, release_3gpp=None):
    """Every downlink and uplink EARFCN of every band at exactly a frequency in MHz, ascending.

    Example: get_lte_earfcn_by_frequency(2140.0) gives [300, 2250, 4450, 65836, 66736]
    """
    rows = tarnvale.find(_frequency(frequency), format="LTE")
    return sorted(row["channel"] for row in rows)


def get_lte_bands_by_frequency(frequency, release_3gpp=None):
    """Every LTE band whose downlink or uplink holds a frequency in MHz, edges included.

    Example: get_lte_bands_by_frequency(2140.0) gives ['B1', 'B4', 'B10', 'B65', 'B66']
    """
    return _bands_at(_frequency(frequency), "LTE")


def get_band_by_lte_earfcn(earfcn, release_3gpp=None):
    """The first LTE band whose downlink or uplink EARFCNs reach a number.

    Example: get_band_by_lte_earfcn(300) gives 'B1'
    """
    number = _earfcn(earfcn)
    for name, row in _BANDS.items():
        spans = (row["dl_numbers"], row["ul_numbers"])
        if row["format"] == "LTE" and any(s and s[0] <= number <= s[1] for s in spans):
            return name
    raise tarnvale.Error("LTE EARFCN is not valid.")


def get_lte_earfcn_range(band, direction="", release_3gpp=None):
    """The first and last EARFCN of an LTE band's direction.

    Example: get_lte_earfcn_range('B25') gives (8040, 8689)
    """
    row = _band_row(band, ("LTE",))
    return _span(row, "_numbers", _direction(row, direction))
