"""Each command's rows from the module equal tarnvale-cli's CSV parsed, and what tarnvale-cli
refuses raises tarnvale.Error with its message."""

import pytest

import tarnvale
import subprocess

from conftest import CLI, cli, same_rows


def command_line(name, args, options):
    line = [name]
    for key, value in options.items():
        line.append("--" + key.replace("_", "-"))
        if value is not True:
            line.append(str(value))
    return line + ["--", *(str(arg) for arg in _flat(args))]


CALLS = [
    ("bands", ("NR",), {}),
    ("plan", ("GSM", "DCS 1800"), {}),
    ("convert", ("GSM", "DCS 1800", 512, 885), {}),
    ("convert", ("WCDMA", "Band I", [9612, 9888]), {}),
    ("lookup", (632628, 512), {}),
    ("lookup", (1000,), {"format": "LTE", "earfcn_wrapped": True}),
    ("find", (1930.2,), {"tolerance_khz": 100}),
    ("gscn", (2156, 7929, 30000), {}),
    ("gscn", (), {"band": "n78"}),
    ("gscn", (), {"frequency": 3619.0}),
    ("bandwidths", ("NR", "n78"), {}),
    ("carrier", ("NR", "n48", 641666), {"bandwidth": 40, "scs": 30, "offset_to_carrier": 102}),
    ("carrier", ("LTE", "66", 66443, 132072), {"bandwidth": 1.4}),
    ("carrier", ("NR", "n78"), {"point_a": 633390, "carrier_rbs": 273, "scs": 30}),
    ("ssb", ("NR", "n78", 636666), {"bandwidth": 100}),
    ("table", ("NR", "n77"), {"bandwidth": 100, "scs": 30, "carriers": True}),
    ("coreset0", ("NR", "n78"),
     {"ssb_arfcn": 641280, "scs_common": 30, "k_ssb": 0, "index": 12, "search_space_zero": 0}),
    ("config", ("NR", "n1", 428000), {"bandwidth": 20}),
    ("config", ("NR", "n78", 636666), {"bandwidth": 100, "all": True}),
    ("check", ("NR", "n78"), {"point_a": 640009, "carrier_rbs": 106, "scs": 30,
                              "ssb_arfcn": 641280, "coreset0": 12}),
    ("ca", ("LTE", "3", "1498:20", "1300:20"), {}),
    ("ca", ("NR", "n78", "636666:100:30"), {"next": "100:30"}),
    ("ca", ("LTE", "3", "1300:20", "1501:20"), {}),
    ("lookup", (65535,), {}),
]


@pytest.mark.parametrize("name, args, options", CALLS)
def test_rows_equal_the_command_lines(name, args, options):
    status, rows, _ = cli(*command_line(name, args, options))
    assert status in (0, 1)
    assert same_rows(getattr(tarnvale, name)(*args, **options), rows)


def _flat(args):
    for arg in args:
        yield from arg if isinstance(arg, list) else [arg]


def test_table_of_every_band_equals_the_command_lines(every_band):
    for format, band in every_band:
        _, rows, _ = cli("table", format, band)
        assert same_rows(tarnvale.table(format, band), rows), band


BAD = [
    ("convert", ("LTE", "3", 99999), {}),
    ("convert", ("LTE", "Band 300", 1), {}),
    ("convert", ("XYZ", "1", 1), {}),
    ("lookup", (-1,), {}),
    ("carrier", ("NR", "n78", 636666), {"bandwidth": 7}),
    ("carrier", ("NR", "n78", 636666), {"bandwidth": 100, "frobnicate": 1}),
    ("ssb", ("NR", "n78", 636666), {}),
    ("coreset0", ("NR", "n78"), {"ssb_arfcn": 641280, "scs_common": 30, "k_ssb": 0, "index": 16}),
    ("ca", ("LTE", "3", "1300:20"), {}),
    ("check", ("NR", "n78"), {"oai_conf": "/nonexistent.conf"}),
    ("gscn", (99999,), {}),
    ("find", ("abc",), {}),
]


@pytest.mark.parametrize("name, args, options", BAD)
def test_bad_input_raises_the_command_lines_message(name, args, options):
    status, _, messages = cli(*command_line(name, args, options))
    assert status == 2
    with pytest.raises(tarnvale.Error) as raised:
        getattr(tarnvale, name)(*args, **options)
    assert str(raised.value) == "\n".join(messages)
    assert isinstance(raised.value, ValueError)


def test_nothing_found_is_an_empty_list():
    assert tarnvale.lookup(65535) == []
    assert tarnvale.find(6000.5) == []


@pytest.mark.parametrize("name", [n for n in tarnvale.__all__ if n not in ("Error",)])
def test_help_reads_like_the_command_lines(name):
    doc = getattr(tarnvale, name).__doc__
    assert doc.splitlines()[0].startswith(name + "(") or doc.startswith("tarnvale." + name + "(")
    example = next(line for line in doc.splitlines() if "Example:" in line)
    assert "tarnvale." + name + "(" in example
    if name not in ("lookup_many", "frequencies"):
        help_text = subprocess.run([CLI, name, "--help"], capture_output=True, text=True).stdout
        summary = help_text.splitlines()[1]
        assert doc.splitlines()[1] == summary
        assert "Columns:" in doc
