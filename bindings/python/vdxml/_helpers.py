"""Dates and the file header: conversions between Modified Julian Dates and datetimes."""

import datetime as _dt
import math
from typing import NamedTuple, Optional, Tuple

#: The unset marker of the library's numbers (2147483647.0).
UNDEFINED = 2147483647.0
_MJD_EPOCH = _dt.datetime(1858, 11, 17)


def mjd_to_datetime(mjd: Optional[float]) -> Optional[_dt.datetime]:
    """A Modified Julian Date as a naive datetime (in the file's time system).

    None, the unset marker, 0 or less (the library's "not known") and values beyond the
    calendar give None.
    """
    if mjd is None or not isinstance(mjd, (int, float)) or isinstance(mjd, bool):
        return None
    if mjd == UNDEFINED or not math.isfinite(mjd) or mjd <= 0:
        return None
    try:
        return _MJD_EPOCH + _dt.timedelta(days=mjd)
    except OverflowError:
        return None


def datetime_to_mjd(when: _dt.datetime) -> float:
    """A datetime as a Modified Julian Date (an aware datetime is taken in its own zone's
    wall-clock time, as the file holds times without a zone)."""
    if not isinstance(when, _dt.datetime):
        raise TypeError(f"datetime_to_mjd takes a datetime.datetime, not {type(when).__name__}")
    naive = when.replace(tzinfo=None)
    return (naive - _MJD_EPOCH) / _dt.timedelta(days=1)


class Header(NamedTuple):
    """What a file says about itself, from its root element "Company"."""

    company: str
    application: str
    version: Tuple[int, int, int]
    units: object  # vdxml.Units
    created: Optional[_dt.datetime]
    created_mjd: Optional[float]
    source: str
