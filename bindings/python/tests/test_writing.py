"""Writing: files written from Python, read back by the C++ record tree and by the reader."""

import csv
import io
import math

import pytest

import vdxml
from conftest import dump_json, run_tool

BACKENDS = [True, False]  # streamed, built in memory


def grid(i):
    return 2600000.0 + 10.0 * i, 1200000.0 + 5.0 * i, 400.0 + 0.25 * i


def write_survey(path, stream, points=5):
    """A survey with every element kind the writer offers, in file order."""
    with vdxml.Writer(path, company="Test Co", application="pytest", stream=stream,
                      units=vdxml.Units(Linear=1, Angular=1, TimeSystem=2)) as w:
        project = w.add_project(Name="Bridge", Note="north abutment", Created=61000.25)
        project.add_coordinate_system(
            Name="Site grid", Created=60970.5,
            Ellipsoid=vdxml.Ellipsoid(Name="GRS 1980", SemiMajorAxis=6378137.0,
                                      Flattening=1 / 298.257222101),
            Projection=vdxml.Projection(Name="Site TM", Type=1))
        codes = project.add_code_list(ItemName=vdxml.ItemName(Name="Site codes"))
        group = codes.add_code_group(ItemName=vdxml.ItemName(Name="Cadastre"))
        code = group.add_code(ItemName=vdxml.ItemName(Name="BM"), Type=1, CodeDesc="Marker")
        code.add_attribute_description(ItemName=vdxml.ItemName(Name="Material"), ValueType=4,
                                       Type=1)
        for i in range(points):
            e, n, h = grid(i)
            point = project.add_point(Name=f"P{i + 1}", Class=4 if i else 8,
                                      Epoch=61000.5 + i / 1440)
            point.add_coord(
                Type=3,
                Wgs84Xyz=vdxml.Cartesian(X=4e6 + i, Y=6e5, Z=4.6e6,
                                         Qlty=vdxml.Qlty(M0=1.0, Q11=1e-4, Q22=1e-4, Q33=2e-4)),
                Wgs84Llh=vdxml.Geodetic(Lat=0.82 + i * 1e-6, Lon=0.14, HE=h + 48.3),
                LocalEnh=vdxml.Grid(E=e, N=n, HO=h))
            if i:
                point.add_dcoord(LocalDEnh=vdxml.DGrid(Flags=vdxml.DGrid.flagPosition, DE=10.0,
                                                       DN=5.0))
            tag = point.add_code(ItemName=vdxml.ItemName(Name="BM"), Type=1)
            tag.add_attribute(ItemName=vdxml.ItemName(Name="Material"), ValueType=4,
                              TextValue="Granite")
            if i == 0:
                gps = point.add_gps()
                gps.add_gps_reference(SensorType="ref rx", AntHgt=0.0,
                                      Antenna=vdxml.Antenna(Flags=3, AntName="choke ring"))
                gps.add_gps_rover(SensorType="rover rx", AntHgt=2.0,
                                  Antenna=vdxml.Antenna(Flags=3, AntName="pole"),
                                  TSCE=vdxml.TimeSpan(Start=61000.49, End=61000.5))
                gps.add_gps_baseline(DCoord=vdxml.DCoord(
                    Wgs84DXyz=vdxml.DCartesian(DX=100.0, DY=-50.0, DZ=25.0)))
            if i == points - 1:
                design = vdxml.StakeoutDesign(
                    Point=vdxml.Point(Name="D1", Class=4),
                    Coord=vdxml.Coord(Type=3, LocalEnh=vdxml.Grid(E=e, N=n, HO=h)))
                result = vdxml.StakeoutResult(
                    Point=vdxml.Point(Name="S1", Class=4),
                    Coord=vdxml.Coord(Type=3, LocalEnh=vdxml.Grid(E=e + 0.01, N=n, HO=h)),
                    CoordDiff2D=0.01)
                point.add_stakeout([(design, [result])])
        setup = project.add_tps_setup(
            InstrHgt=1.562, InstrOrientation=0.25 * math.pi, Time=61000.4,
            Instrument=vdxml.TpsInstrument(ItemName=vdxml.ItemName(Name="TS1"), Type="1 second"))
        setup.add_tps_setup_details(Method=2)
        for k in range(3):
            setup.add_tps_obsset(FaceType=1, Hz=0.1 * k, Zen=1.5, DistS=30.0 + k, Time=61000.41,
                                 Reflector=vdxml.TpsReflector(Type=3, Hgt=1.8))


@pytest.mark.parametrize("stream", BACKENDS)
def test_every_kind_reads_back_through_the_record_tree(tmp_path, stream):
    path = tmp_path / "w.xml"
    write_survey(path, stream)
    tree = dump_json(path)
    kinds = [n["kind"] for n in tree]
    for kind in ("Company", "Project", "CoordinateSystem", "Pnt", "Crd", "DCrd",
                 "ThematicalCode", "ThematicalAttr", "Ref", "Rov", "GpsBl", "TpsSetup",
                 "TpsSetupDetails", "TpsObsSet"):
        assert kind in kinds, kind
    assert kinds.count("TpsObsSet") == 3
    assert tree[0]["fields"] == {"Company": "Test Co", "Application": "pytest"}
    names = [n["fields"].get("Name") for n in tree if n["kind"] == "Pnt"]
    assert names[:5] == ["P1", "P2", "P3", "P4", "P5"] and {"D1", "S1"} <= set(names)
    # The Python reader sees what the record tree sees.
    assert [(r.index, r.depth, r.kind) for r in vdxml.open(path)] == [
        (n["index"], n["depth"], n["kind"]) for n in tree]


@pytest.mark.parametrize("stream", BACKENDS)
def test_points_round_trip_through_the_tools_export(tmp_path, stream):
    path = tmp_path / "w.xml"
    write_survey(path, stream, points=40)
    rows = list(csv.DictReader(io.StringIO(run_tool("export", path, "--to", "csv"))))
    assert [r["name"] for r in rows] == [f"P{i + 1}" for i in range(40)]
    for i, row in enumerate(rows):
        e, n, h = grid(i)
        assert (row["easting"], row["northing"], row["orthometric_height"]) == (
            f"{e:.4f}", f"{n:.4f}", f"{h:.4f}")
        assert row["latitude"] == f"{math.degrees(0.82 + i * 1e-6):.9f}"
        assert row["ellipsoidal_height"] == f"{h + 48.3:.4f}"


@pytest.mark.parametrize("stream", BACKENDS)
def test_read_records_write_back_unchanged(tmp_path, sample, stream):
    # The sample's points and coordinates, written again from the records read, read back
    # with the same fields the readers restore.
    path = tmp_path / "copy.xml"
    originals = []
    with vdxml.Writer(path, company="Copy", application="pytest", stream=stream) as w:
        project = w.add_project(Name="Copy")
        point = None
        for record in vdxml.open(sample):
            if record.kind == "Pnt" and record.depth == 2:
                point = project.add_point(record.data)
                originals.append(record.data)
            elif record.kind == "Crd" and point is not None and record.depth == 3:
                point.add_coord(record.data)
                originals.append(record.data)
                point = None
    copies = [r.data for r in vdxml.open(path) if r.kind in ("Pnt", "Crd")]
    assert copies == originals


@pytest.mark.parametrize("stream", BACKENDS)
@pytest.mark.parametrize("existing", [True, False])
def test_an_exception_abandons_the_file(tmp_path, stream, existing):
    path = tmp_path / "keep.xml"
    if existing:
        write_survey(path, True, points=3)
    before = path.read_bytes() if existing else None
    with pytest.raises(RuntimeError, match="stop here"):
        with vdxml.Writer(path, company="X", application="Y", stream=stream) as w:
            project = w.add_project(Name="Half")
            for i in range(200):
                project.add_point(Name=f"Q{i}", Class=4)
            raise RuntimeError("stop here")
    assert w.closed
    if existing:
        assert path.read_bytes() == before
    else:
        assert not path.exists()
    assert sorted(p.name for p in tmp_path.iterdir()) == (["keep.xml"] if existing else [])


@pytest.mark.parametrize("stream", BACKENDS)
def test_a_writer_dropped_unsaved_leaves_the_previous_file(tmp_path, stream):
    path = tmp_path / "keep.xml"
    write_survey(path, True, points=2)
    before = path.read_bytes()
    w = vdxml.Writer(path, company="X", application="Y", stream=stream)
    w.add_project(Name="never saved").add_point(Name="P", Class=4)
    del w
    assert path.read_bytes() == before


def test_saving_replaces_the_file(tmp_path):
    path = tmp_path / "new.xml"
    write_survey(path, True, points=2)
    with vdxml.Writer(path, company="Second", application="pytest") as w:
        w.add_project(Name="Only")
    assert vdxml.open(path).header.company == "Second"


def test_keyword_records_set_the_flags_of_given_values():
    coord = vdxml.Coord(LocalEnh=vdxml.Grid(E=1.0, N=2.0), Wgs84Llh={"HE": 3.0})
    assert coord.LocalEnh.Flags == vdxml.Grid.flagEN
    assert coord.Wgs84Llh.Flags == vdxml.Geodetic.flagHE
    assert vdxml.Grid(E=1.0, Flags=0).Flags == 0  # given flags are kept as they are
    # Nested records are reached by reference and may be changed in place.
    coord.LocalEnh.HO = 5.0
    assert coord.as_dict()["LocalEnh"]["HO"] == 5.0
    assert vdxml.Coord(**coord.as_dict()) == coord
