"""Cellular radio channel calculator: Tarnvale's engine for Python.

Every command of tarnvale-cli but annotate is a function of the same name taking the same arguments, its
options as keyword arguments (``offset_to_carrier=102`` for ``--offset-to-carrier 102``). Each
returns the command's rows as a list of dicts keyed by its column names: whole numbers as
``int``, numbers with decimals as ``float`` (the float of the digits tarnvale-cli prints, so
``row["forward_mhz"] == 869.04`` holds), ``None`` for an empty field. Bad input raises
``tarnvale.Error`` with tarnvale-cli's message; nothing found is an empty list.

``lookup_many`` and ``frequencies`` answer whole arrays of channel numbers at once, and
``tarnvale.nrarfcn`` answers as the functions of the ``nrarfcn`` package do.

Example::

    >>> import tarnvale
    >>> tarnvale.convert("LTE", "3", 1300)[0]["forward_mhz"]
    1815.0
"""

import array as _array

from tarnvale import _tarnvale
from tarnvale._tarnvale import (  # noqa: F401  the commands, one function each
    Error,
    __version__,
    bands,
    bandwidths,
    ca,
    carrier,
    check,
    config,
    convert,
    coreset0,
    find,
    gscn,
    lookup,
    plan,
    ssb,
    table,
)

Error.__module__ = "tarnvale"

try:
    import numpy as _numpy
except ImportError:  # NumPy is optional: arrays are then array.array
    _numpy = None

__all__ = [
    "Error",
    "bands",
    "bandwidths",
    "ca",
    "carrier",
    "check",
    "config",
    "convert",
    "coreset0",
    "find",
    "frequencies",
    "gscn",
    "lookup",
    "lookup_many",
    "plan",
    "ssb",
    "table",
]


def _numbers(values):
    """The channel numbers as a contiguous int64 array, and an array of float64 for the answers."""
    if not hasattr(values, "__len__"):
        values = list(values)  # a generator
    if _numpy is None:
        numbers = _array.array("q", [_whole(value) for value in values])
        return numbers, _array.array("d", bytes(8 * len(numbers)))
    numbers = _numpy.asarray(values)
    if numbers.dtype.kind == "f":
        if not _numpy.all(_numpy.isfinite(numbers) & (numbers == _numpy.floor(numbers))):
            raise Error("channel numbers are whole numbers")
    elif numbers.dtype.kind not in "iu" and numbers.size:
        raise Error("channel numbers are whole numbers")
    numbers = _numpy.ascontiguousarray(numbers.ravel(), dtype=_numpy.int64)
    return numbers, _numpy.empty(numbers.shape, dtype=_numpy.float64)


def _whole(value):
    if isinstance(value, bool) or int(value) != value:
        raise Error("channel numbers are whole numbers")
    return int(value)


def lookup_many(format, numbers):
    """lookup_many(format, numbers) -> array of float

    The carrier frequency in MHz of each channel number of the format, in the first band that
    holds it in catalogue order (as lookup lists them: its downlink where a band has both), NaN
    where no band does. An NR-ARFCN names one frequency whatever the band; in the classic
    formats a number can name different carriers in different bands (GSM 512 in DCS 1800 and
    PCS 1900), and frequencies() picks the band.

    numbers: any iterable of whole numbers, or a NumPy array. The answer is a NumPy float64
    array, or an array.array("d") where NumPy is not installed.

    Example: tarnvale.lookup_many("NR", [620000, 632628, 1]) gives [3300.0, 3489.42, nan]
    """
    values, mhz = _numbers(numbers)
    _tarnvale._lookup_many(format, values, mhz)
    return mhz


def frequencies(format, band, channels):
    """frequencies(format, band, channels) -> array of float

    The carrier frequency in MHz of each channel of one band: a downlink number's downlink, an
    uplink number's uplink, a classic channel's forward carrier; NaN where the band has no such
    channel. channels and the answer are as for lookup_many.

    Example: tarnvale.frequencies("GSM", "PCS 1900", [512, 810]) gives [1930.2, 1989.8]
    """
    values, mhz = _numbers(channels)
    _tarnvale._frequencies(format, band, values, mhz)
    return mhz
