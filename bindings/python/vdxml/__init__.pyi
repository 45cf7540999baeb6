# Type stubs of the vdxml package (the extension module's classes and the Python helpers).
import datetime as _dt
from os import PathLike
from typing import (Any, ClassVar, Dict, Iterator, List, NamedTuple, Optional, Sequence, Tuple,
                    Union)

_Path = Union[str, bytes, PathLike]

UNDEFINED: float
POINT_COLUMNS: Tuple[str, ...]

class Error(Exception):
    status: int
    def __init__(self, message: str, status: int = ...) -> None: ...

class FileNotFound(Error, FileNotFoundError): ...
class Malformed(Error): ...
class InvalidArgument(Error, ValueError): ...

def mjd_to_datetime(mjd: Optional[float]) -> Optional[_dt.datetime]: ...
def datetime_to_mjd(when: _dt.datetime) -> float: ...

class Header(NamedTuple):
    company: str
    application: str
    version: Tuple[int, int, int]
    units: Units
    created: Optional[_dt.datetime]
    created_mjd: Optional[float]
    source: str

class Record:
    """One reported element: kind, index, depth, parent and its record's fields."""
    kind: str
    index: int
    depth: int
    parent: int
    data: Any
    def __getattr__(self, name: str) -> Any: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def datetime(self, field: Optional[str] = None) -> Optional[_dt.datetime]: ...

class Reader:
    """Reads a file front to back in bounded memory."""
    def __init__(self, path: _Path, complete: bool = True) -> None: ...
    def __iter__(self) -> Reader: ...
    def __next__(self) -> Record: ...
    @property
    def header(self) -> Optional[Header]: ...
    @property
    def path(self) -> str: ...
    @property
    def closed(self) -> bool: ...
    def close(self) -> None: ...
    def __enter__(self) -> Reader: ...
    def __exit__(self, *args: Any) -> bool: ...

def open(path: _Path, complete: bool = True) -> Reader: ...
def points(path: _Path, complete: bool = True) -> Iterator[Dict[str, Any]]: ...
def points_frame(path: _Path, complete: bool = True) -> Any: ...


class Node:
    """An element being written; add_* write a child and return its Node."""
    @property
    def kind(self) -> str: ...
    def add_point(self, record: Union[Point, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_coord(self, record: Union[Coord, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_dcoord(self, record: Union[DCoord, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_coordinate_system(self, record: Union[CoordinateSystem, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_tps_setup(self, record: Union[TpsSetup, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_tps_setup_details(self, record: Union[TpsSetupDetails, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_tps_obsset(self, record: Union[TpsObsSet, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_gps(self) -> Node: ...
    def add_gps_reference(self, record: Union[GpsReference, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_gps_rover(self, record: Union[GpsRover, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_gps_baseline(self, record: Union[GpsBaseline, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_code(self, record: Union[ThematicalCode, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_attribute(self, record: Union[ThematicalAttribute, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_code_list(self, record: Union[ThematicalCodeList, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_code_group(self, record: Union[ThematicalCodeGroup, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_attribute_description(self, record: Union[ThematicalAttributeDescription, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def add_stakeout(self, designs: Sequence[Tuple[StakeoutDesign, Sequence[StakeoutResult]]]) -> Node: ...

class Writer:
    """Writes a survey file; saved atomically when its with block ends normally."""
    def __init__(self, path: _Path, *, company: str, application: str,
                 namespace: str = ..., stream: bool = True,
                 version: Tuple[int, ...] = (1, 0), units: Optional[Units] = None,
                 source: str = "") -> None: ...
    def add_project(self, record: Union[Project, Dict[str, Any], None] = None, **fields: Any) -> Node: ...
    def save(self) -> None: ...
    def abandon(self) -> None: ...
    def close(self) -> None: ...
    @property
    def closed(self) -> bool: ...
    @property
    def path(self) -> str: ...
    def __enter__(self) -> Writer: ...
    def __exit__(self, *args: Any) -> bool: ...

# ---- Record classes (one per record kind of the library) ----

class Antenna:
    """A receiver antenna with its offsets."""
    fields: ClassVar[Tuple[str, ...]]
    flagAntName: ClassVar[int]
    flagAntSn: ClassVar[int]
    flagAntType: ClassVar[int]
    flagAntenna: ClassVar[int]
    flagPhaseCentres: ClassVar[int]
    Flags: int
    AntType: int
    AntName: str
    AntSn: str
    AntVO: float
    AntHzO: float
    AntL1PhO: float
    AntL2PhO: float
    AntL1EPhO: float
    AntL1NPhO: float
    AntL2EPhO: float
    AntL2NPhO: float
    def __init__(self, *, Flags: int = ..., AntType: int = ..., AntName: str = ..., AntSn: str = ..., AntVO: float = ..., AntHzO: float = ..., AntL1PhO: float = ..., AntL2PhO: float = ..., AntL1EPhO: float = ..., AntL1NPhO: float = ..., AntL2EPhO: float = ..., AntL2NPhO: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Antenna: ...

class AvgLimit:
    """Averaging limits for position and height."""
    fields: ClassVar[Tuple[str, ...]]
    Pos: float
    Hgt: float
    def __init__(self, *, Pos: float = ..., Hgt: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> AvgLimit: ...

class Cartesian:
    """Earth-centred or local Cartesian coordinates; a value counts only while its flag bit is set."""
    fields: ClassVar[Tuple[str, ...]]
    flagQlty: ClassVar[int]
    flagXyz: ClassVar[int]
    Flags: int
    X: float
    Y: float
    Z: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., X: float = ..., Y: float = ..., Z: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Cartesian: ...

class Coord:
    """A coordinate of a point (element "Crd") in up to five representations: Wgs84Xyz, Wgs84Llh, LocalXyz, LocalLlh, LocalEnh. Type is the dimension (1, 2, 3; 0 counts as 3)."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagGeoidSeparation: ClassVar[int]
    Flags: int
    Type: int
    SourcePos: int
    SourceHgt: int
    AvgStatus: int
    Wgs84Xyz: Cartesian
    Wgs84Llh: Geodetic
    LocalXyz: Cartesian
    LocalLlh: Geodetic
    LocalEnh: Grid
    GeoidSeparation: float
    def __init__(self, *, Flags: int = ..., Type: int = ..., SourcePos: int = ..., SourceHgt: int = ..., AvgStatus: int = ..., Wgs84Xyz: Union[Cartesian, Dict[str, Any]] = ..., Wgs84Llh: Union[Geodetic, Dict[str, Any]] = ..., LocalXyz: Union[Cartesian, Dict[str, Any]] = ..., LocalLlh: Union[Geodetic, Dict[str, Any]] = ..., LocalEnh: Union[Grid, Dict[str, Any]] = ..., GeoidSeparation: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Coord: ...

class CoordinateSystem:
    """A coordinate system (element "CoordinateSystem"): Name is required; Created a Modified Julian Date."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Created: float
    Ellipsoid: Ellipsoid
    Projection: Projection
    Transformation: Transformation
    GeoidModel: GeoidModel
    CscsModel: CscsModel
    def __init__(self, *, Name: str = ..., Note: str = ..., Created: float = ..., Ellipsoid: Union[Ellipsoid, Dict[str, Any]] = ..., Projection: Union[Projection, Dict[str, Any]] = ..., Transformation: Union[Transformation, Dict[str, Any]] = ..., GeoidModel: Union[GeoidModel, Dict[str, Any]] = ..., CscsModel: Union[CscsModel, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> CoordinateSystem: ...

class CscsModel:
    """A country-specific coordinate-system model."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Method: int
    Interpolation: int
    def __init__(self, *, Name: str = ..., Note: str = ..., Method: int = ..., Interpolation: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> CscsModel: ...

class DCartesian:
    """A Cartesian coordinate difference."""
    fields: ClassVar[Tuple[str, ...]]
    flagDXyz: ClassVar[int]
    flagQlty: ClassVar[int]
    Flags: int
    DX: float
    DY: float
    DZ: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., DX: float = ..., DY: float = ..., DZ: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> DCartesian: ...

class DCoord:
    """A coordinate difference (element "DCrd") in up to five representations, with centring accuracies."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagACHgt: ClassVar[int]
    flagACPos: ClassVar[int]
    Flags: int
    Wgs84DXyz: DCartesian
    Wgs84DLlh: DGeodetic
    LocalDXyz: DCartesian
    LocalDLlh: DGeodetic
    LocalDEnh: DGrid
    ACPos: float
    ACHgt: float
    def __init__(self, *, Flags: int = ..., Wgs84DXyz: Union[DCartesian, Dict[str, Any]] = ..., Wgs84DLlh: Union[DGeodetic, Dict[str, Any]] = ..., LocalDXyz: Union[DCartesian, Dict[str, Any]] = ..., LocalDLlh: Union[DGeodetic, Dict[str, Any]] = ..., LocalDEnh: Union[DGrid, Dict[str, Any]] = ..., ACPos: float = ..., ACHgt: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> DCoord: ...

class DGeodetic:
    """A geodetic coordinate difference with polar elements (angles in radians)."""
    fields: ClassVar[Tuple[str, ...]]
    flagAzi: ClassVar[int]
    flagD2D: ClassVar[int]
    flagD3D: ClassVar[int]
    flagDH: ClassVar[int]
    flagDistHz: ClassVar[int]
    flagDistS: ClassVar[int]
    flagPosition: ClassVar[int]
    flagQlty: ClassVar[int]
    flagSdAbs: ClassVar[int]
    flagSdRel: ClassVar[int]
    flagZen: ClassVar[int]
    Flags: int
    DLat: float
    DLon: float
    DH: float
    Qlty: Qlty
    Azi: float
    Zen: float
    DistS: float
    DistHz: float
    SdAbs: Sd
    SdRel: Sd
    D2D: float
    D3D: float
    def __init__(self, *, Flags: int = ..., DLat: float = ..., DLon: float = ..., DH: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ..., Azi: float = ..., Zen: float = ..., DistS: float = ..., DistHz: float = ..., SdAbs: Union[Sd, Dict[str, Any]] = ..., SdRel: Union[Sd, Dict[str, Any]] = ..., D2D: float = ..., D3D: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> DGeodetic: ...

class DGrid:
    """A grid coordinate difference with polar elements."""
    fields: ClassVar[Tuple[str, ...]]
    flagAzi: ClassVar[int]
    flagD2D: ClassVar[int]
    flagD3D: ClassVar[int]
    flagDH: ClassVar[int]
    flagDir: ClassVar[int]
    flagDistHz: ClassVar[int]
    flagDistS: ClassVar[int]
    flagPosition: ClassVar[int]
    flagQlty: ClassVar[int]
    flagSdAbs: ClassVar[int]
    flagSdRel: ClassVar[int]
    flagZen: ClassVar[int]
    Flags: int
    DE: float
    DN: float
    DH: float
    Qlty: Qlty
    Azi: float
    Dir: float
    Zen: float
    DistS: float
    DistHz: float
    SdAbs: Sd
    SdRel: Sd
    D2D: float
    D3D: float
    def __init__(self, *, Flags: int = ..., DE: float = ..., DN: float = ..., DH: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ..., Azi: float = ..., Dir: float = ..., Zen: float = ..., DistS: float = ..., DistHz: float = ..., SdAbs: Union[Sd, Dict[str, Any]] = ..., SdRel: Union[Sd, Dict[str, Any]] = ..., D2D: float = ..., D3D: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> DGrid: ...

class Dops:
    """Dilution-of-precision figures."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    HDOP: float
    VDOP: float
    ReservedDOP: float
    PDOP: float
    GDOP: float
    def __init__(self, *, Flags: int = ..., HDOP: float = ..., VDOP: float = ..., ReservedDOP: float = ..., PDOP: float = ..., GDOP: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Dops: ...

class Ellipsoid:
    """An ellipsoid: SemiMajorAxis and the flattening itself (not its inverse)."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    SemiMajorAxis: float
    Flattening: float
    def __init__(self, *, Name: str = ..., Note: str = ..., SemiMajorAxis: float = ..., Flattening: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Ellipsoid: ...

class Geodetic:
    """Geodetic coordinates: Lat and Lon in radians, ellipsoidal (HE) and orthometric (HO) heights in the linear unit."""
    fields: ClassVar[Tuple[str, ...]]
    flagHE: ClassVar[int]
    flagHO: ClassVar[int]
    flagLatLon: ClassVar[int]
    flagQlty: ClassVar[int]
    Flags: int
    Lat: float
    Lon: float
    HE: float
    HO: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., Lat: float = ..., Lon: float = ..., HE: float = ..., HO: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Geodetic: ...

class GeoidModel:
    """A geoid model; Type 1 geodetic, 2 grid."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Type: int
    def __init__(self, *, Name: str = ..., Note: str = ..., Type: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> GeoidModel: ...

class GpsBaseline:
    """The baseline between reference and rover (element "GpsBl"): its vector and accuracy as a coordinate difference."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagBaseline: ClassVar[int]
    Flags: int
    DCoord: DCoord
    def __init__(self, *, Flags: int = ..., DCoord: Union[DCoord, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> GpsBaseline: ...

class GpsReference:
    """The reference receiver's setup (element "Ref")."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagAntHgt: ClassVar[int]
    flagSensorSerialNr: ClassVar[int]
    flagSensorType: ClassVar[int]
    flagSetup: ClassVar[int]
    Flags: int
    SensorType: str
    SensorSerialNr: str
    Antenna: Antenna
    AntHgt: float
    def __init__(self, *, Flags: int = ..., SensorType: str = ..., SensorSerialNr: str = ..., Antenna: Union[Antenna, Dict[str, Any]] = ..., AntHgt: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> GpsReference: ...

class GpsRover:
    """The rover's setup (element "Rov") with the time span of its common epochs and its dilution-of-precision figures."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagAntHgt: ClassVar[int]
    flagSensorSerialNr: ClassVar[int]
    flagSensorType: ClassVar[int]
    flagSetup: ClassVar[int]
    Flags: int
    SensorType: str
    SensorSerialNr: str
    Antenna: Antenna
    AntHgt: float
    TSCE: TimeSpan
    DOPs: Dops
    def __init__(self, *, Flags: int = ..., SensorType: str = ..., SensorSerialNr: str = ..., Antenna: Union[Antenna, Dict[str, Any]] = ..., AntHgt: float = ..., TSCE: Union[TimeSpan, Dict[str, Any]] = ..., DOPs: Union[Dops, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> GpsRover: ...

class Grid:
    """Grid coordinates: easting E, northing N, ellipsoidal (HE) and orthometric (HO) heights."""
    fields: ClassVar[Tuple[str, ...]]
    flagEN: ClassVar[int]
    flagHE: ClassVar[int]
    flagHO: ClassVar[int]
    flagQlty: ClassVar[int]
    Flags: int
    E: float
    N: float
    HE: float
    HO: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., E: float = ..., N: float = ..., HE: float = ..., HO: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Grid: ...

class ItemName:
    """A name with a free note."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    def __init__(self, *, Name: str = ..., Note: str = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ItemName: ...

class MinMax:
    """A minimum and a maximum."""
    fields: ClassVar[Tuple[str, ...]]
    Min: float
    Max: float
    def __init__(self, *, Min: float = ..., Max: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> MinMax: ...

class ModifiedGrid:
    """The modified grid of a project; written only when ScaleFactor is not 0."""
    fields: ClassVar[Tuple[str, ...]]
    ScaleFactor: float
    FalseNorthing: float
    FalseEasting: float
    def __init__(self, *, ScaleFactor: float = ..., FalseNorthing: float = ..., FalseEasting: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ModifiedGrid: ...

class Point:
    """A point (element "Pnt"). Name is required for writing; Class and SubClass are codes (0 none, 4 measured, 8 control, ...); Epoch a Modified Julian Date."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Class: int
    SubClass: int
    Epoch: float
    def __init__(self, *, Name: str = ..., Note: str = ..., Class: int = ..., SubClass: int = ..., Epoch: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Point: ...

class Project:
    """A project (element "Project"). Name is required for writing; Created is a Modified Julian Date, Timezone and LeapSecond are days."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Timezone: float
    LeapSecond: float
    Created: float
    AvgLimit: AvgLimit
    ModifiedGrid: ModifiedGrid
    Manager: str
    Client: str
    Street: str
    MapRef: str
    def __init__(self, *, Name: str = ..., Note: str = ..., Timezone: float = ..., LeapSecond: float = ..., Created: float = ..., AvgLimit: Union[AvgLimit, Dict[str, Any]] = ..., ModifiedGrid: Union[ModifiedGrid, Dict[str, Any]] = ..., Manager: str = ..., Client: str = ..., Street: str = ..., MapRef: str = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Project: ...

class Projection:
    """A map projection; Type is its code (0 none)."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Type: int
    def __init__(self, *, Name: str = ..., Note: str = ..., Type: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Projection: ...

class Qlty:
    """Quality of a coordinate block: unit-weight standard deviation M0 and the upper triangle of a 3 x 3 cofactor matrix."""
    fields: ClassVar[Tuple[str, ...]]
    M0: float
    Q11: float
    Q12: float
    Q13: float
    Q22: float
    Q23: float
    Q33: float
    def __init__(self, *, M0: float = ..., Q11: float = ..., Q12: float = ..., Q13: float = ..., Q22: float = ..., Q23: float = ..., Q33: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Qlty: ...

class ResidualCartesian:
    """A Cartesian residual."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    DX: float
    DY: float
    DZ: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., DX: float = ..., DY: float = ..., DZ: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ResidualCartesian: ...

class ResidualGrid:
    """A grid residual with height residuals."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    DE: float
    DN: float
    DHE: float
    DHO: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., DE: float = ..., DN: float = ..., DHE: float = ..., DHO: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ResidualGrid: ...

class Root:
    """The file-level record (element "Company"): company, application, version and units."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    NamespaceURI: str
    Company: str
    Application: str
    Version: Version
    Units: Units
    SourceDatasetLocation: str
    def __init__(self, *, NamespaceURI: str = ..., Company: str = ..., Application: str = ..., Version: Union[Version, Dict[str, Any]] = ..., Units: Union[Units, Dict[str, Any]] = ..., SourceDatasetLocation: str = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Root: ...

class Sd:
    """Standard deviations of polar elements."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    SdAzi: float
    SdDir: float
    SdZen: float
    SdDistS: float
    SdDistHz: float
    SdDH: float
    SdBl: float
    def __init__(self, *, Flags: int = ..., SdAzi: float = ..., SdDir: float = ..., SdZen: float = ..., SdDistS: float = ..., SdDistHz: float = ..., SdDH: float = ..., SdBl: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Sd: ...

class StakeoutDesign:
    """A design point with its design coordinate; written only when the point has a name and a class."""
    fields: ClassVar[Tuple[str, ...]]
    Point: Point
    Coord: Coord
    def __init__(self, *, Point: Union[Point, Dict[str, Any]] = ..., Coord: Union[Coord, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> StakeoutDesign: ...

class StakeoutResult:
    """One stakeout result: the staked point, its coordinate, a coordinate difference and further differences."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    Type: int
    HgtModel: int
    Point: Point
    Coord: Coord
    DCoord: DCoord
    CoordDiff1D: float
    CoordDiff2D: float
    CoordDiff3D: float
    DiffInOut: float
    DiffLeftRight: float
    HgtOffset: float
    def __init__(self, *, Flags: int = ..., Type: int = ..., HgtModel: int = ..., Point: Union[Point, Dict[str, Any]] = ..., Coord: Union[Coord, Dict[str, Any]] = ..., DCoord: Union[DCoord, Dict[str, Any]] = ..., CoordDiff1D: float = ..., CoordDiff2D: float = ..., CoordDiff3D: float = ..., DiffInOut: float = ..., DiffLeftRight: float = ..., HgtOffset: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> StakeoutResult: ...

class ThematicalAttribute:
    """One attribute value (element "ThematicalAttr"). ValueType 1 takes LongValue, 3 DoubleValue, 4 TextValue; reading puts the value's text into TextValue."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagAttribute: ClassVar[int]
    ItemName: ItemName
    Flags: int
    ValueType: int
    LongValue: int
    DoubleValue: float
    TextValue: str
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ..., Flags: int = ..., ValueType: int = ..., LongValue: int = ..., DoubleValue: float = ..., TextValue: str = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalAttribute: ...

class ThematicalAttributeDescription:
    """The description of an attribute: value type, kind, defaults, range, choices."""
    fields: ClassVar[Tuple[str, ...]]
    flagChoices: ClassVar[int]
    flagDefaultDouble: ClassVar[int]
    flagDefaultLong: ClassVar[int]
    flagDefaultText: ClassVar[int]
    flagDescription: ClassVar[int]
    flagRange: ClassVar[int]
    ItemName: ItemName
    Flags: int
    ValueType: int
    Type: int
    DefaultLong: int
    DefaultDouble: float
    DefaultText: str
    Range: ThematicalRangeList
    Choices: ThematicalChoiceList
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ..., Flags: int = ..., ValueType: int = ..., Type: int = ..., DefaultLong: int = ..., DefaultDouble: float = ..., DefaultText: str = ..., Range: Union[ThematicalRangeList, Dict[str, Any]] = ..., Choices: Union[ThematicalChoiceList, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalAttributeDescription: ...

class ThematicalChoiceList:
    """The values an attribute may take; written when Type is not 0."""
    fields: ClassVar[Tuple[str, ...]]
    Type: int
    Longs: List[int]
    Doubles: List[float]
    Texts: List[str]
    def __init__(self, *, Type: int = ..., Longs: List[int] = ..., Doubles: List[float] = ..., Texts: List[str] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalChoiceList: ...

class ThematicalCode:
    """One code (element "ThematicalCode"): name, geometry type (1 point, 2 line, 3 area) and description."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    ItemName: ItemName
    Type: int
    CodeDesc: str
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ..., Type: int = ..., CodeDesc: str = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalCode: ...

class ThematicalCodeGroup:
    """A named group of codes; the name is required."""
    fields: ClassVar[Tuple[str, ...]]
    ItemName: ItemName
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalCodeGroup: ...

class ThematicalCodeList:
    """A named list of codes."""
    fields: ClassVar[Tuple[str, ...]]
    ItemName: ItemName
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalCodeList: ...

class ThematicalRangeList:
    """The range of an attribute's values; Type 0 no range, 1 whole numbers, 2 reals."""
    fields: ClassVar[Tuple[str, ...]]
    MinMax: MinMax
    Type: int
    def __init__(self, *, MinMax: Union[MinMax, Dict[str, Any]] = ..., Type: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> ThematicalRangeList: ...

class TimeSpan:
    """A time span: Start and End as Modified Julian Dates, Span in days; each may be unset (UNDEFINED)."""
    fields: ClassVar[Tuple[str, ...]]
    Start: float
    End: float
    Span: float
    def __init__(self, *, Start: float = ..., End: float = ..., Span: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TimeSpan: ...

class TpsInstrAccuracy:
    """Nominal accuracy of an instrument; given only when all three are above 0."""
    fields: ClassVar[Tuple[str, ...]]
    AbsDistance: float
    RelDistance: float
    Angle: float
    def __init__(self, *, AbsDistance: float = ..., RelDistance: float = ..., Angle: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsInstrAccuracy: ...

class TpsInstrument:
    """The instrument of a setup."""
    fields: ClassVar[Tuple[str, ...]]
    flagInstrInfo: ClassVar[int]
    flagInstrSn: ClassVar[int]
    flagInstrument: ClassVar[int]
    flagType: ClassVar[int]
    ItemName: ItemName
    Flags: int
    Type: str
    InstrSn: str
    InstrInfo: str
    Accuracy: TpsInstrAccuracy
    def __init__(self, *, ItemName: Union[ItemName, Dict[str, Any]] = ..., Flags: int = ..., Type: str = ..., InstrSn: str = ..., InstrInfo: str = ..., Accuracy: Union[TpsInstrAccuracy, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsInstrument: ...

class TpsObsAccuracy:
    """Accuracy figures of one measurement."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    AbsHz: float
    RelHz: float
    AbsVAngle: float
    RelVAngle: float
    AbsDistanceSlope: float
    RelDistanceSlope: float
    AbsDistanceHorizontal: float
    RelDistanceHorizontal: float
    def __init__(self, *, Flags: int = ..., AbsHz: float = ..., RelHz: float = ..., AbsVAngle: float = ..., RelVAngle: float = ..., AbsDistanceSlope: float = ..., RelDistanceSlope: float = ..., AbsDistanceHorizontal: float = ..., RelDistanceHorizontal: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsObsAccuracy: ...

class TpsObsSet:
    """One total-station measurement (element "TpsObsSet"): Hz and Zen in radians, distances in the linear unit, Time a Modified Julian Date."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagDH: ClassVar[int]
    flagDistHz: ClassVar[int]
    flagDistS: ClassVar[int]
    flagHz: ClassVar[int]
    flagZen: ClassVar[int]
    FaceType: int
    Flags: int
    Reflector: TpsReflector
    Time: float
    Accuracy: TpsObsAccuracy
    Hz: float
    Zen: float
    DistS: float
    DH: float
    DistHz: float
    def __init__(self, *, FaceType: int = ..., Flags: int = ..., Reflector: Union[TpsReflector, Dict[str, Any]] = ..., Time: float = ..., Accuracy: Union[TpsObsAccuracy, Dict[str, Any]] = ..., Hz: float = ..., Zen: float = ..., DistS: float = ..., DH: float = ..., DistHz: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsObsSet: ...

class TpsReflector:
    """The reflector aimed at; Type 0xFFFFFFFF means none."""
    fields: ClassVar[Tuple[str, ...]]
    flagReflector: ClassVar[int]
    Flags: int
    Type: int
    Hgt: float
    def __init__(self, *, Flags: int = ..., Type: int = ..., Hgt: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsReflector: ...

class TpsSetup:
    """One occupation of a station by a total station (element "TpsSetup"); InstrOrientation in radians, Time a Modified Julian Date."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    flagInstrHgt: ClassVar[int]
    flagInstrOrientation: ClassVar[int]
    Flags: int
    InstrHgt: float
    Instrument: TpsInstrument
    InstrOrientation: float
    Time: float
    def __init__(self, *, Flags: int = ..., InstrHgt: float = ..., Instrument: Union[TpsInstrument, Dict[str, Any]] = ..., InstrOrientation: float = ..., Time: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsSetup: ...

class TpsSetupDetails:
    """How a setup was oriented (element "TpsSetupDetails"): Method 1 set azimuth, 2 known backsight, 3 resection, ..."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    Method: int
    def __init__(self, *, Method: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TpsSetupDetails: ...

class Transformation:
    """A transformation from a source to a target system with its steps and residuals; Type is required."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Type: int
    ResidualDistribution: int
    HeightMode: int
    SourceSystem: TrfSystem
    TargetSystem: TrfSystem
    Steps: List[TrfStep]
    Residuals: List[TrfResidual]
    def __init__(self, *, Name: str = ..., Note: str = ..., Type: int = ..., ResidualDistribution: int = ..., HeightMode: int = ..., SourceSystem: Union[TrfSystem, Dict[str, Any]] = ..., TargetSystem: Union[TrfSystem, Dict[str, Any]] = ..., Steps: List[TrfStep] = ..., Residuals: List[TrfResidual] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Transformation: ...

class TrfCollocation:
    """The collocation matrix and distortions."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    Distortion2D: int
    Distortion1D: int
    Element11: float
    Element12: float
    Element21: float
    Element22: float
    DistortionRightAngle: float
    def __init__(self, *, Flags: int = ..., Distortion2D: int = ..., Distortion1D: int = ..., Element11: float = ..., Element12: float = ..., Element21: float = ..., Element22: float = ..., DistortionRightAngle: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfCollocation: ...

class TrfHeight:
    """The height plane of a height transformation."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    ParameterA: float
    ParameterB: float
    ParameterC: float
    InclinationXAxis: float
    InclinationYAxis: float
    MeanAccuracy: float
    def __init__(self, *, Flags: int = ..., ParameterA: float = ..., ParameterB: float = ..., ParameterC: float = ..., InclinationXAxis: float = ..., InclinationYAxis: float = ..., MeanAccuracy: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfHeight: ...

class TrfMeanAccuracy:
    """Mean accuracy in X and Y."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    MeanX: float
    MeanY: float
    def __init__(self, *, Flags: int = ..., MeanX: float = ..., MeanY: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfMeanAccuracy: ...

class TrfResidual:
    """The residual at one control point of a transformation (element "TrfResidual")."""
    kind: ClassVar[str]
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    Type: int
    SourceName: str
    SourceXyz: Cartesian
    SourceEnh: Grid
    TargetName: str
    TargetXyz: Cartesian
    TargetEnh: Grid
    DDistance: float
    ResidualXyz: ResidualCartesian
    ResidualEnh: ResidualGrid
    def __init__(self, *, Flags: int = ..., Type: int = ..., SourceName: str = ..., SourceXyz: Union[Cartesian, Dict[str, Any]] = ..., SourceEnh: Union[Grid, Dict[str, Any]] = ..., TargetName: str = ..., TargetXyz: Union[Cartesian, Dict[str, Any]] = ..., TargetEnh: Union[Grid, Dict[str, Any]] = ..., DDistance: float = ..., ResidualXyz: Union[ResidualCartesian, Dict[str, Any]] = ..., ResidualEnh: Union[ResidualGrid, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfResidual: ...

class TrfRotOrigin:
    """The origin of a step's rotations."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    X0: float
    Y0: float
    Z0: float
    def __init__(self, *, Flags: int = ..., X0: float = ..., Y0: float = ..., Z0: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfRotOrigin: ...

class TrfStep:
    """One step of a transformation."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    StepType: int
    Model: int
    RotOrigin: TrfRotOrigin
    Shift: TrfVector
    Rotation: TrfVector
    Scale: TrfVector
    Height: TrfHeight
    Stochastics: TrfStochastics
    Collocation: TrfCollocation
    MeanAccuracy: TrfMeanAccuracy
    def __init__(self, *, Name: str = ..., Note: str = ..., StepType: int = ..., Model: int = ..., RotOrigin: Union[TrfRotOrigin, Dict[str, Any]] = ..., Shift: Union[TrfVector, Dict[str, Any]] = ..., Rotation: Union[TrfVector, Dict[str, Any]] = ..., Scale: Union[TrfVector, Dict[str, Any]] = ..., Height: Union[TrfHeight, Dict[str, Any]] = ..., Stochastics: Union[TrfStochastics, Dict[str, Any]] = ..., Collocation: Union[TrfCollocation, Dict[str, Any]] = ..., MeanAccuracy: Union[TrfMeanAccuracy, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfStep: ...

class TrfStochastics:
    """A-priori and a-posteriori accuracy."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    Apriori: float
    Aposteriori: float
    def __init__(self, *, Flags: int = ..., Apriori: float = ..., Aposteriori: float = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfStochastics: ...

class TrfSystem:
    """The source or target system of a transformation."""
    fields: ClassVar[Tuple[str, ...]]
    Name: str
    Note: str
    Ellipsoid: Ellipsoid
    Projection: Projection
    def __init__(self, *, Name: str = ..., Note: str = ..., Ellipsoid: Union[Ellipsoid, Dict[str, Any]] = ..., Projection: Union[Projection, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfSystem: ...

class TrfVector:
    """Three parameters of a step (shifts, rotations or scales) with their quality."""
    fields: ClassVar[Tuple[str, ...]]
    Flags: int
    X: float
    Y: float
    Z: float
    Qlty: Qlty
    def __init__(self, *, Flags: int = ..., X: float = ..., Y: float = ..., Z: float = ..., Qlty: Union[Qlty, Dict[str, Any]] = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> TrfVector: ...

class Units:
    """The file's units. Linear: 1 metres, 2 US survey feet, 3 international feet. Angular: 1 radians. TimeSystem: 1 local, 2 UTC, 3 GPS."""
    fields: ClassVar[Tuple[str, ...]]
    Linear: int
    Angular: int
    TimeSystem: int
    def __init__(self, *, Linear: int = ..., Angular: int = ..., TimeSystem: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Units: ...

class Version:
    """The format version; valid when Major is not 0."""
    fields: ClassVar[Tuple[str, ...]]
    Major: int
    Minor: int
    Build: int
    def __init__(self, *, Major: int = ..., Minor: int = ..., Build: int = ...) -> None: ...
    def as_dict(self) -> Dict[str, Any]: ...
    def copy(self) -> Version: ...

