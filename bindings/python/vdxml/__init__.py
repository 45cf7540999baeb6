"""vdxml: read and write land-survey XML files.

Reading streams a file in bounded memory::

    import vdxml
    with vdxml.open("job.xml") as reader:
        print(reader.header.company)
        for record in reader:
            if record.kind == "Pnt":
                print(record.index, record.Name, record.datetime())

    frame = vdxml.points_frame("job.xml")   # one row per point (needs pandas)

Writing builds a file element by element and saves it atomically::

    with vdxml.Writer("out.xml", company="Example Surveys", application="field app") as w:
        project = w.add_project(Name="Bridge")
        point = project.add_point(Name="P1", Class=4)
        point.add_coord(LocalEnh=vdxml.Grid(E=2600000.0, N=1200000.0, HO=412.5))

Angles are radians and dates Modified Julian Dates, as in the library; lengths are in the
file's linear unit. Failures raise vdxml.Error (with .status) or one of its subclasses.
"""

from ._errors import Error, FileNotFound, InvalidArgument, Malformed
from ._helpers import UNDEFINED, Header, datetime_to_mjd, mjd_to_datetime
from ._vdxml import *  # noqa: F401,F403  (the record classes, Reader, Record, Writer, Node)
from ._vdxml import Reader, Writer
from ._points import POINT_COLUMNS, points, points_frame


def open(path, complete: bool = True) -> Reader:  # noqa: A001  (mirrors the built-in)
    """Opens a survey file for reading, front to back in bounded memory.

    Iterating the reader yields one vdxml.Record per reported element in document order.
    With complete=True (the default) the values of coordinate differences and coordinate
    systems are read too. Raises vdxml.FileNotFound for a missing file; a malformed file
    raises vdxml.Malformed during iteration, after the records before the fault.
    """
    return Reader(path, complete)


__all__ = [
    "Error", "FileNotFound", "InvalidArgument", "Malformed", "UNDEFINED", "Header",
    "datetime_to_mjd", "mjd_to_datetime", "open", "points", "points_frame", "POINT_COLUMNS",
    "Reader", "Writer",
]
