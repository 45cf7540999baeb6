"""Bad input: every case raises a Python exception that says what is wrong, never a crash."""

import pytest

import vdxml


def closed_reader(tmp_path, sample):
    reader = vdxml.open(sample)
    reader.close()
    return next(reader)


def closed_writer(tmp_path, sample):
    w = vdxml.Writer(tmp_path / "c.xml", company="C", application="A")
    w.save()
    w.add_project(Name="late")


def node_after_close(tmp_path, sample):
    with vdxml.Writer(tmp_path / "n.xml", company="C", application="A") as w:
        project = w.add_project(Name="P")
    project.add_point(Name="late", Class=4)


def new_writer(tmp_path):
    return vdxml.Writer(tmp_path / "k.xml", company="C", application="A")


def stakeout_of_a_wrong_shape(tmp_path, sample):
    w = new_writer(tmp_path)
    w.add_project(Name="p").add_point(Name="a", Class=4).add_stakeout([1])


def record_and_keywords(tmp_path, sample):
    w = new_writer(tmp_path)
    w.add_project(vdxml.Project(Name="a"), Note="b")


def project_without_a_name(tmp_path, sample):
    w = new_writer(tmp_path)
    w.add_project()


def write_text(tmp_path, name, data):
    path = tmp_path / name
    path.write_bytes(data)
    return path


CASES = [
    ("missing file", lambda t, s: vdxml.open(t / "missing.xml"), vdxml.FileNotFound,
     "missing.xml"),
    ("missing folder", lambda t, s: vdxml.open(t / "no" / "x.xml"), FileNotFoundError, "no"),
    ("a folder", lambda t, s: vdxml.open(t), vdxml.Error, "folder"),
    ("empty path", lambda t, s: vdxml.open(""), ValueError, "empty"),
    ("path of a wrong type", lambda t, s: vdxml.open(12), TypeError, "path"),
    ("not XML", lambda t, s: list(vdxml.open(write_text(t, "b.xml", b"\x00\x01garbage"))),
     vdxml.Malformed, "b.xml"),
    ("empty file", lambda t, s: list(vdxml.open(write_text(t, "e.xml", b""))),
     vdxml.Malformed, "e.xml"),
    ("unclosed element", lambda t, s: list(vdxml.open(write_text(
        t, "u.xml", b"<Company><Name>x</Name><Project><Name>p</Name>"))),
     vdxml.Malformed, "u.xml"),
    ("closed reader", closed_reader, vdxml.InvalidArgument, "closed"),
    ("writer after save", closed_writer, vdxml.InvalidArgument, "closed"),
    ("node after close", node_after_close, vdxml.InvalidArgument, "closed"),
    ("writer into a missing folder",
     lambda t, s: vdxml.Writer(t / "no" / "x.xml", company="C", application="A"),
     vdxml.FileNotFound, "x.xml"),
    ("writer without company", lambda t, s: vdxml.Writer(t / "x.xml", company="",
                                                         application="A"),
     vdxml.InvalidArgument, "company"),
    ("writer with version 0", lambda t, s: vdxml.Writer(t / "x.xml", company="C",
                                                        application="A", version=(0, 1)),
     vdxml.InvalidArgument, "major"),
    ("unit without a text", lambda t, s: vdxml.Writer(t / "x.xml", company="C", application="A",
                                                      units=vdxml.Units(Linear=7)),
     vdxml.InvalidArgument, "Linear"),
    ("NaN field", lambda t, s: vdxml.Point(Epoch=float("nan")), vdxml.InvalidArgument,
     "Point.Epoch"),
    ("infinite nested field", lambda t, s: vdxml.Coord(LocalEnh={"E": float("inf")}),
     ValueError, "Coord.LocalEnh.E"),
    ("NaN assigned", lambda t, s: setattr(vdxml.Grid(), "N", float("nan")), ValueError,
     "Grid.N"),
    ("text for a number", lambda t, s: vdxml.Point(Epoch="today"), TypeError, "Point.Epoch"),
    ("number for a text", lambda t, s: vdxml.Point(Name=5), TypeError, "Point.Name"),
    ("bool for a number", lambda t, s: vdxml.Point(Class=True), TypeError, "Point.Class"),
    ("negative code", lambda t, s: vdxml.Point(Class=-1), vdxml.InvalidArgument, "Point.Class"),
    ("byte out of range", lambda t, s: vdxml.Grid(Flags=256), ValueError, "Grid.Flags"),
    ("unknown field", lambda t, s: vdxml.Point(Height=1.0), TypeError, "Height"),
    ("wrong nested record", lambda t, s: vdxml.Coord(LocalEnh=vdxml.Point()), TypeError,
     "Coord.LocalEnh"),
    ("positional record argument", lambda t, s: vdxml.Point("P1"), TypeError, ""),
    ("record and keywords", record_and_keywords, TypeError, "not both"),
    ("project without a name", project_without_a_name, vdxml.Error, "Project"),
    ("stakeout of a wrong shape", stakeout_of_a_wrong_shape, TypeError, "designs[0]"),
    ("date of a kind without one", lambda t, s: next(iter(vdxml.open(s))).datetime(),
     vdxml.InvalidArgument, "Company"),
    ("unknown attribute of a record", lambda t, s: next(iter(vdxml.open(s))).Epoch,
     AttributeError, "Epoch"),
]


@pytest.mark.parametrize("name, action, error, words", CASES, ids=[c[0] for c in CASES])
def test_bad_input_raises(tmp_path, sample, name, action, error, words):
    with pytest.raises(error) as raised:
        action(tmp_path, sample)
    assert words in str(raised.value)


@pytest.mark.parametrize(
    "error, bases, status",
    [
        (vdxml.FileNotFound("m", 0x80070002), (vdxml.Error, FileNotFoundError), 0x80070002),
        (vdxml.InvalidArgument("m", -2147024809), (vdxml.Error, ValueError), 0x80070057),
        (vdxml.Malformed("m", 0xC00CE558), (vdxml.Error,), 0xC00CE558),
    ],
)
def test_exceptions_carry_the_status_and_their_kinds(error, bases, status):
    assert all(isinstance(error, base) for base in bases)
    assert error.status == status and str(error) == "m"


def test_a_library_failure_names_its_status(tmp_path):
    with pytest.raises(vdxml.FileNotFound) as raised:
        vdxml.open(tmp_path / "gone.xml")
    assert raised.value.status == 0x80070002 and "0x80070002" in str(raised.value)
