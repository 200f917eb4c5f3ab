"""The Python module against pure Python doing the same: lookup_many over a million NR-ARFCNs
against a loop over the global raster formula, and get_frequency call by call against the same
formula as a function. Goals: 100 times faster an element for the array, 3 times a call.

    PYTHONPATH=build/python python3 bench/python/module_bench.py
"""

import random
import timeit

import numpy

import tarnvale
import tarnvale.nrarfcn as nr

COUNT = 1_000_000


def pure_python_mhz(n):
    """TS 38.104 Table 5.4.2.1-1, as a pure-Python package writes it."""
    if not isinstance(n, int) or isinstance(n, bool):
        raise ValueError("NR-ARFCN must be an integer.")
    if not 0 <= n <= 3279165:
        raise ValueError("NR-ARFCN must be between 0 and 3,279,165.")
    if n < 600000:
        return round(n * 0.005, 3)
    if n < 2016667:
        return round(3000 + 0.015 * (n - 600000), 3)
    return round(24250.08 + 0.06 * (n - 2016667), 3)


def best(statement, number):
    return min(timeit.repeat(statement, number=number, repeat=5)) / number


def main():
    rng = random.Random(7)
    numbers = [rng.randrange(620000, 653334) for _ in range(COUNT)]
    array = numpy.array(numbers, dtype=numpy.int64)
    tarnvale.lookup_many("NR", array[:1])  # builds the index once, as any first call does

    native = best(lambda: tarnvale.lookup_many("NR", array), 3) / COUNT
    pure = best(lambda: [pure_python_mhz(n) for n in numbers], 1) / COUNT
    print(f"lookup_many, NR:   {native * 1e9:8.2f} ns an element ({1 / native / 1e6:.0f} M/s); "
          f"pure Python {pure * 1e9:.1f} ns: {pure / native:.0f}x")

    one = best(lambda: nr.get_frequency(641280), 200_000)
    pure_one = best(lambda: pure_python_mhz(641280), 200_000)
    print(f"get_frequency:     {one * 1e9:8.1f} ns a call; pure Python {pure_one * 1e9:.1f} ns: "
          f"{pure_one / one:.1f}x")


if __name__ == "__main__":
    main()
