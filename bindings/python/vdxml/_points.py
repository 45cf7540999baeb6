"""Points flattened for tables: one row per point of a project, its first coordinate's values
in every representation it holds."""

from typing import Dict, Iterator, Optional

#: The columns of points() and points_frame(), in order. Angles are radians, lengths in the
#: file's linear unit; a representation the point does not hold leaves its columns None.
POINT_COLUMNS = (
    "project", "name", "note", "class", "subclass", "epoch",
    "wgs84_x", "wgs84_y", "wgs84_z",
    "wgs84_lat", "wgs84_lon", "wgs84_he", "wgs84_ho",
    "local_x", "local_y", "local_z",
    "local_lat", "local_lon", "local_he", "local_ho",
    "easting", "northing", "grid_he", "grid_ho",
    "geoid_separation",
)

# Flag bits of the coordinate blocks (the library's, repeated by the record classes).
_XYZ, _LATLON_OR_EN, _HE, _HO = 0x01, 0x01, 0x02, 0x04
_GEOID_SEPARATION = 0x08


def _cartesian(row: Dict, prefix: str, block) -> None:
    if block.Flags & _XYZ:
        row[prefix + "_x"], row[prefix + "_y"], row[prefix + "_z"] = block.X, block.Y, block.Z


def _geodetic(row: Dict, prefix: str, block) -> None:
    if block.Flags & _LATLON_OR_EN:
        row[prefix + "_lat"], row[prefix + "_lon"] = block.Lat, block.Lon
    if block.Flags & _HE:
        row[prefix + "_he"] = block.HE
    if block.Flags & _HO:
        row[prefix + "_ho"] = block.HO


def _fill(row: Dict, coord) -> None:
    _cartesian(row, "wgs84", coord.Wgs84Xyz)
    _geodetic(row, "wgs84", coord.Wgs84Llh)
    _cartesian(row, "local", coord.LocalXyz)
    _geodetic(row, "local", coord.LocalLlh)
    grid = coord.LocalEnh
    if grid.Flags & _LATLON_OR_EN:
        row["easting"], row["northing"] = grid.E, grid.N
    if grid.Flags & _HE:
        row["grid_he"] = grid.HE
    if grid.Flags & _HO:
        row["grid_ho"] = grid.HO
    if coord.Flags & _GEOID_SEPARATION:
        row["geoid_separation"] = coord.GeoidSeparation


def points(path, complete: bool = True) -> Iterator[Dict[str, Optional[object]]]:
    """Yields one dict per point of each project (keys: POINT_COLUMNS), in file order.

    A point's values come from its first coordinate ("Crd"); points nested in other elements
    (stakeout designs and results) are not the project's and are left out. The epoch is a
    Modified Julian Date (None when unset). The file is read front to back in bounded memory.
    """
    from . import open as _open
    from ._helpers import UNDEFINED

    with _open(path, complete) as reader:
        kinds = {}  # index -> kind of the records still open
        project = None
        row = None
        row_index = -1
        has_coord = False
        for record in reader:
            kinds[record.index] = record.kind
            if record.kind == "Project":
                project = record.Name
            if record.kind == "Pnt" and kinds.get(record.parent) == "Project":
                if row is not None:
                    yield row
                row = dict.fromkeys(POINT_COLUMNS)
                row.update(project=project, name=record.Name, note=record.Note,
                           subclass=record.SubClass,
                           epoch=None if record.Epoch == UNDEFINED else record.Epoch)
                row["class"] = record.Class
                row_index, has_coord = record.index, False
            elif record.kind == "Crd" and record.parent == row_index and not has_coord:
                _fill(row, record.data)
                has_coord = True
            if len(kinds) > 4096:  # keep only what can still be a parent: bounded memory
                kinds = {k: v for k, v in kinds.items() if v in ("Company", "Project")}
        if row is not None:
            yield row


def points_frame(path, complete: bool = True):
    """The points of points() as a pandas DataFrame with the columns POINT_COLUMNS.

    Raises ImportError, saying so, where pandas is not installed.
    """
    try:
        import pandas
    except ImportError as error:
        raise ImportError(
            "vdxml.points_frame needs pandas (Debian: apt-get install python3-pandas; "
            "pip: pip install pandas); vdxml.points() gives the same rows as dicts") from error
    return pandas.DataFrame.from_records(list(points(path, complete)), columns=list(POINT_COLUMNS))
