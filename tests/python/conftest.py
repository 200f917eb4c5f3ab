"""What the module's tests share: tarnvale-cli run as a process, and its CSV read as the module
reads its JSON."""

import csv
import io
import os
import subprocess

import pytest

CLI = os.environ.get("TARNVALE_CLI", "tarnvale-cli")

def cli(*args):
    """tarnvale-cli's exit status, rows (the CSV fields as text; tables that follow one another
    after a blank line joined) and messages without the program's name."""
    run = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)
    rows = []
    for block in run.stdout.split("\n\n"):
        rows += list(csv.DictReader(io.StringIO(block)))
    messages = [line.removeprefix("tarnvale-cli: ") for line in run.stderr.splitlines()]
    return run.returncode, rows, messages


def field_text(value):
    """What the CSV shows for a value the module gives: an int's digits, a float equal to the
    CSV's decimals, None empty."""
    if value is None:
        return ""
    return str(value)


def same_rows(module_rows, csv_rows):
    """Whether the module's rows are the CSV's, field by field: the same columns, texts equal,
    numbers equal to the digits printed."""
    if len(module_rows) != len(csv_rows):
        return False
    for mine, theirs in zip(module_rows, csv_rows):
        if list(mine) != list(theirs):
            return False
        for key, value in mine.items():
            text = theirs[key]
            if isinstance(value, float):
                if float(text) != value or "." not in text:
                    return False
            elif isinstance(value, (bool, type(None), int, str)):
                if isinstance(value, bool) or field_text(value) != text:
                    return False
                if isinstance(value, str) and value == "":
                    return False  # an empty field is None
            else:
                return False
    return True


@pytest.fixture(scope="session")
def every_band():
    """(format, band) of every band of every format, from the module's own bands()."""
    import tarnvale

    return [(row["format"], row["band"]) for row in tarnvale.bands()]
