"""Reading: the Python reader against the C++ tool's views of the same files."""

import csv
import io
import math
import os

import pytest

import vdxml
from conftest import dump_json, run_tool


def thread_count() -> int:
    return len(os.listdir("/proc/self/task"))


@pytest.mark.parametrize("backend", ["--stream", "--dom"])
def test_points_match_the_tools_csv_export(tmp_path, backend):
    path = tmp_path / "s.xml"
    run_tool("sample", "-o", path, "--points", "50", backend)
    expected = list(csv.DictReader(io.StringIO(run_tool("export", path, "--to", "csv"))))
    rows = list(vdxml.points(path))
    assert len(rows) == len(expected) == 50
    for row, want in zip(rows, expected):
        assert row["name"] == want["name"]
        for column, key, scale, decimals in [
            ("easting", "easting", 1.0, 4),
            ("northing", "northing", 1.0, 4),
            ("grid_ho", "orthometric_height", 1.0, 4),
            ("wgs84_lat", "latitude", 180.0 / math.pi, 9),
            ("wgs84_lon", "longitude", 180.0 / math.pi, 9),
            ("wgs84_he", "ellipsoidal_height", 1.0, 4),
        ]:
            if want[key] == "":
                assert row[column] is None, (row["name"], column)
            else:
                assert f"{row[column] * scale:.{decimals}f}" == want[key], (row["name"], column)


def test_records_follow_the_record_tree(sample):
    tree = dump_json(sample)
    with vdxml.open(sample) as reader:
        records = list(reader)
    assert [(r.index, r.depth, r.kind) for r in records] == [
        (n["index"], n["depth"], n["kind"]) for n in tree
    ]
    # Parents: the nearest earlier record one level up, as the tree's depths say.
    path = []
    for record in records:
        del path[record.depth:]
        assert record.parent == (path[-1] if path else -1)
        path.append(record.index)
    # Names as the tree reads them (points, projects, codes and coordinate systems).
    for record, node in zip(records, tree):
        if record.kind in ("Project", "Pnt"):
            assert record.Name == node["fields"]["Name"]
        elif record.kind == "ThematicalCode":
            assert record.ItemName.Name == node["fields"]["Name"]


def test_header_matches_the_tools_info(sample):
    info = dict(
        line.split(":", 1) for line in run_tool("info", sample).splitlines() if ":" in line
    )
    with vdxml.open(sample) as reader:
        header = reader.header
        first = next(reader)  # the header's record is still the first one iterated
    assert first.kind == "Company" and first.index == 0
    assert header.company == info["Company"].strip() == first.Company
    assert header.application == info["Application"].strip()
    assert f"{header.version[0]}.{header.version[1]}" == info["Version"].strip()
    assert header.source == info["Source"].strip()
    assert header.created.strftime("%Y-%m-%d %H:%M:%S") == info["Created"].strip()
    assert header.units.TimeSystem == 2 and "time UTC" in info["Units"]


def test_element_counts_match_the_tools_info(sample):
    info = run_tool("info", sample).split("Elements:")[1].split()
    expected = dict(zip(info[0::2], map(int, info[1::2])))
    counts = {}
    for record in vdxml.open(sample):
        counts[record.kind] = counts.get(record.kind, 0) + 1
    assert counts == expected


def test_fields_read_as_attributes_and_as_dict_alike(sample):
    seen = set()
    for record in vdxml.open(sample):
        values = record.as_dict()
        assert set(values) == set(type(record.data).fields)
        assert type(record.data).kind == record.kind
        for name in type(record.data).fields:
            attribute = getattr(record, name)
            if hasattr(attribute, "as_dict"):
                assert attribute.as_dict() == values[name]
            elif isinstance(attribute, list):
                assert [getattr(a, "as_dict", lambda a=a: a)() for a in attribute] == values[name]
            else:
                assert attribute == values[name]
        seen.add(record.kind)
    assert len(seen) == 15  # every kind the reader reports


@pytest.mark.parametrize(
    "kind, field, check",
    [
        ("Pnt", None, lambda r, d: d == vdxml.mjd_to_datetime(r.Epoch)),
        ("Project", "Created", lambda r, d: abs(vdxml.datetime_to_mjd(d) - r.Created) < 1e-9),
        ("CoordinateSystem", None, lambda r, d: abs(vdxml.datetime_to_mjd(d) - r.Created) < 1e-9),
        ("Rov", None, lambda r, d: abs(vdxml.datetime_to_mjd(d) - r.TSCE.Start) < 1e-9),
        ("Rov", "TSCE.End", lambda r, d: abs(vdxml.datetime_to_mjd(d) - r.TSCE.End) < 1e-9),
    ],
)
def test_datetime_helpers_convert_date_fields(sample, kind, field, check):
    record = next(r for r in vdxml.open(sample) if r.kind == kind)
    when = record.datetime(field)
    assert when is not None and check(record, when)


def test_complete_read_gives_what_a_plain_read_leaves_out(sample):
    def first_system(complete):
        return next(r for r in vdxml.open(sample, complete) if r.kind == "CoordinateSystem")

    assert first_system(True).Name == "Site grid"
    assert first_system(False).Name == ""


def test_a_file_out_of_order_is_read_whole(sample, tmp_path):
    # A point's epoch moved after its coordinate: the stream cannot keep the order, Parse can.
    text = sample.read_bytes().decode("utf-16")
    start = text.index("<Epoch", text.index("<Name>P3</Name>"))
    epoch = text[start:text.index("</Epoch>", start) + len("</Epoch>")]
    text = text.replace(epoch, "", 1)
    crd_end = text.index("</Crd>", start) + len("</Crd>")
    text = text[:crd_end] + epoch + text[crd_end:]
    moved = tmp_path / "moved.xml"
    moved.write_bytes(text.encode("utf-16"))

    records = list(vdxml.open(moved))
    tree = dump_json(moved)
    assert [(r.index, r.kind) for r in records] == [(n["index"], n["kind"]) for n in tree]
    assert [r.Name for r in records if r.kind == "Pnt"][:5] == ["P1", "P2", "P3", "P4", "P5"]


def test_a_truncated_file_gives_its_records_then_malformed(sample, tmp_path):
    data = sample.read_bytes()
    cut = tmp_path / "cut.xml"
    cut.write_bytes(data[: len(data) // 2])
    reader = vdxml.open(cut)
    got = []
    with pytest.raises(vdxml.Malformed) as raised:
        for record in reader:
            got.append(record.kind)
    assert got and got[0] == "Company"
    assert str(cut) in str(raised.value) and raised.value.status & 0xFFFF0000 == 0xC00C0000
    assert list(reader) == []  # the failure is raised once; the reader then ends


def test_closing_early_stops_the_worker(big_sample):
    before = thread_count()
    reader = vdxml.open(big_sample)
    first = [next(reader) for _ in range(5)]
    assert thread_count() == before + 1
    reader.close()
    assert thread_count() == before
    assert reader.closed and [r.index for r in first] == [0, 1, 2, 3, 4]
    with pytest.raises(vdxml.InvalidArgument):
        next(reader)
    reader.close()  # a second close is allowed


def test_dropping_a_reader_stops_the_worker(big_sample):
    before = thread_count()
    reader = vdxml.open(big_sample)
    next(reader)
    del reader
    assert thread_count() == before


def test_leaving_a_with_block_stops_the_worker(big_sample):
    before = thread_count()
    with vdxml.open(big_sample) as reader:
        for record in reader:
            if record.kind == "Pnt":
                break
    assert reader.closed and thread_count() == before


def test_points_frame_holds_every_point(sample):
    pandas = pytest.importorskip("pandas")
    frame = vdxml.points_frame(sample)
    assert isinstance(frame, pandas.DataFrame)
    assert list(frame.columns) == list(vdxml.POINT_COLUMNS)
    assert list(frame["name"]) == [f"P{i}" for i in range(1, 51)]
    assert frame["easting"].notna().all() and frame["wgs84_x"].isna().all()


def test_points_frame_says_when_pandas_is_missing(sample, monkeypatch):
    import sys

    monkeypatch.setitem(sys.modules, "pandas", None)
    with pytest.raises(ImportError, match="needs pandas"):
        vdxml.points_frame(sample)
