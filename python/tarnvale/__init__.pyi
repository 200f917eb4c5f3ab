from array import array
from typing import Any, Iterable, Union

Number = Union[int, float]
Row = dict[str, Any]
Numbers = Union[Iterable[int], Any]  # any iterable of whole numbers, or a NumPy array

__version__: str

class Error(ValueError): ...

def bands(format: str | None = None) -> list[Row]: ...
def plan(format: str, band: str | int) -> list[Row]: ...
def convert(format: str, band: str | int, *channel: int | Iterable[int]) -> list[Row]: ...
def table(
    format: str | None = None,
    band: str | int | None = None,
    *,
    bandwidth: Number | None = None,
    scs: int | None = None,
    offset_to_carrier: int | None = None,
    carriers: bool = False,
) -> list[Row]: ...
def lookup(
    *channel: int | Iterable[int], format: str | None = None, earfcn_wrapped: bool = False
) -> list[Row]: ...
def find(
    *frequency_mhz: Number | Iterable[Number],
    tolerance_khz: Number | None = None,
    format: str | None = None,
) -> list[Row]: ...
def gscn(
    *number: int | Iterable[int],
    band: str | int | None = None,
    ssb_arfcn: int | None = None,
    frequency: Number | None = None,
) -> list[Row]: ...
def bandwidths(format: str, band: str | int | None = None) -> list[Row]: ...
def carrier(
    format: str,
    band: str | int,
    *channel: int | Iterable[int],
    bandwidth: Number | None = None,
    scs: int | None = None,
    offset_to_carrier: int | None = None,
    point_a: int | None = None,
    carrier_rbs: int | None = None,
) -> list[Row]: ...
def ssb(
    nr: str,
    band: str | int,
    channel: int,
    *,
    bandwidth: Number | None = None,
    scs: int | None = None,
    offset_to_carrier: int | None = None,
) -> list[Row]: ...
def coreset0(
    nr: str,
    band: str | int,
    *,
    ssb_arfcn: int | None = None,
    scs_common: int | None = None,
    k_ssb: int | None = None,
    index: int | None = None,
    search_space_zero: int | None = None,
    ssb_scs: int | None = None,
    offset_to_point_a: int | None = None,
    bandwidth: Number | None = None,
    ssb_index: int | None = None,
) -> list[Row]: ...
def config(
    nr: str,
    band: str | int,
    channel: int,
    *,
    bandwidth: Number | None = None,
    scs: int | None = None,
    offset_to_carrier: int | None = None,
    gscn: int | None = None,
    coreset0: int | None = None,
    search_space_zero: int | None = None,
    all: bool = False,
) -> list[Row]: ...
def check(
    nr: str | None = None,
    band: str | int | None = None,
    *,
    point_a: int | None = None,
    carrier_rbs: int | None = None,
    scs: int | None = None,
    offset_to_carrier: int | None = None,
    ssb_arfcn: int | None = None,
    ssb_scs: int | None = None,
    k_ssb: int | None = None,
    offset_to_point_a: int | None = None,
    coreset0: int | None = None,
    search_space_zero: int | None = None,
    oai_conf: str | None = None,
) -> list[Row]: ...
def ca(
    format: str,
    band: str | int,
    *channel: str,
    next: str | Number | None = None,
    below: bool = False,
) -> list[Row]: ...
def lookup_many(format: str, numbers: Numbers) -> Any: ...
def frequencies(format: str, band: str | int, channels: Numbers) -> Any: ...
