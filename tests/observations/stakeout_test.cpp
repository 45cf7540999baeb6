// Stakeouts: designs with their results in layout order, what is skipped, how a failure
// abandons only its design or result, the order of designs in the map, and the map check
// that stands in for reading.
#include "observation_cases.h"

using namespace vdxml_test;

namespace {
using Design = VDXML_STAKEOUT_DESIGN;
using Result = VDXML_STAKEOUT_RESULT;

// Design point "A" of the class with a grid coordinate of three dimensions, after change.
Design Planned(void (*change)(Design&) = Keep, std::uint32_t pointClass = 8) {
    Design d;
    Assign(d.Point, &VDXML_POINT::Name, L"A", &VDXML_POINT::Class, pointClass);
    d.Coord.Type = VDXML_COORD_TYPE_3D;
    Assign(d.Coord.LocalEnh, &VDXML_GRID::Flags, 0x05, &VDXML_GRID::E, 1e3, &VDXML_GRID::N, 2e3,
           &VDXML_GRID::HO, 300.0);
    change(d);
    return d;
}

// A result: a measured point whose coordinate holds the WGS 84 values flagged (by default
// its ellipsoidal height alone), a grid difference, height model "DTM", "Fill" and all six
// differences; after change.
constexpr std::uint8_t kHeight = VDXML_GEODETIC::flagHE;
Result Staked(const wchar_t* name, std::uint8_t llh = kHeight, void (*change)(Result&) = Keep) {
    Result r;
    Assign(r.Point, &VDXML_POINT::Name, name, &VDXML_POINT::Class, VDXML_PNT_CLASS_MEASURED);
    Assign(r.Coord.Wgs84Llh, &VDXML_GEODETIC::Flags, llh, &VDXML_GEODETIC::HE, 352.5);
    Assign(r.DCoord.LocalDEnh, &VDXML_DGRID::Flags, VDXML_DGRID::flagPosition, &VDXML_DGRID::DE,
           0.012, &VDXML_DGRID::DN, -0.008);
    Assign(r, &Result::HgtModel, VDXML_STAKEOUT_HGTMODEL_DTM, &Result::Type, VDXML_STAKEOUT_FILL,
           &Result::Flags, 0x3F, &Result::CoordDiff1D, 0.004, &Result::CoordDiff2D, 0.0144,
           &Result::CoordDiff3D, 0.015, &Result::DiffInOut, -0.01, &Result::DiffLeftRight, 0.02,
           &Result::HgtOffset, 0.125);
    change(r);
    return r;
}

std::function<long(const CVdXmlNode&)> Writes(const VDXML_STAKEOUT_MAP& designs) {
    return [designs](const CVdXmlNode& p) { return CVdXmlApplStakeout().Create(p, designs); };
}
void Unnamed(Design& d) { d.Point.Name = L""; }
void Named(Design& d) { d.Point.Name = L"B"; }
// The 3D and left/right differences alone, and no height model or type.
void Few(Result& r) { Assign(r, &Result::Flags, 0x14, &Result::HgtModel, 0, &Result::Type, 0); }

const std::vector<Case> kCases = {
    {"Empty", S_OK, Writes({})},
    {"DesignWithResults", S_OK,
     Writes({{Planned(), {Staked(L"R1"), Staked(L"R2", kHeight, Few)}}})},
    // Skipped: designs without name or class, results without name, class or a coordinate
    // value (quality is none); a grid height or Cartesian coordinates are one.
    {"IncompleteSkipped", S_OK,
     Writes({{Planned(Unnamed), {Staked(L"R0")}},
             {Planned(Named, 0), {Staked(L"R0")}},
             {Planned(),
              {Staked(L""), Staked(L"R2", kHeight, [](Result& r) { r.Point.Class = 0; }),
               Staked(L"R3", VDXML_GEODETIC::flagQlty), Staked(L"R1"),
               Staked(L"R4", 0, [](Result& r) { r.Coord.LocalEnh.Flags = VDXML_GRID::flagHO; }),
               Staked(L"R5", 0, [](Result& r) { r.Coord.LocalXyz.Flags = 1; })}},
             {Planned([](Design& d) { d.Point.Name = L"C"; }), {}}})},
    // A point class and a cut/fill type without text: the next design and result are written,
    // and the status is that of the last one.
    {"FailuresAbandonTheirDesignOrResult", S_OK,
     Writes({{Planned(Keep, 99), {Staked(L"R0")}},
             {Planned(Named),
              {Staked(L"R1", kHeight, [](Result& r) { r.Type = 4; }), Staked(L"R2")}}})},
    {"LastResultFails", E_FAIL,
     Writes({{Planned(),
              {Staked(L"R2"), Staked(L"R3", kHeight, [](Result& r) { r.HgtModel = 3; })}}})},
    // By name in UTF-16 code units ("P10" before "P9"), then by every other field; numbers by
    // value, an unset epoch the largest, NaN after every number and equal to any NaN.
    {"DesignsInOrder", S_OK,
     Writes({{Planned([](Design& d) { d.Point.Name = L"P9"; }), {Staked(L"P9")}},
             {Planned([](Design& d) { d.Point.Name = L"P10"; }), {Staked(L"P10")}},
             {Planned([](Design& d) { d.Coord.LocalEnh.E = NAN; }), {Staked(L"NaN")}},
             {Planned([](Design& d) { d.Coord.LocalEnh.E = -NAN; }), {Staked(L"OtherNaN")}},
             {Planned([](Design& d) { d.Coord.LocalEnh.HO = 300.001; }), {Staked(L"Higher")}},
             {Planned([](Design& d) { d.Point.Epoch = 53736.0; }), {Staked(L"Dated")}},
             {Planned(Keep, 7), {Staked(L"Class7")}},
             {Planned(), {Staked(L"Plain")}}})},
};
}  // namespace

// Read back, the design and result points come back as points with their coordinates.
TEST(Stakeout, WrittenAndReadBack) { ExpectFamily("stakeout", kCases, {"Pnt"}); }

// Read reads nothing: it checks that every design has a class, a coordinate type and results,
// the first of them complete.
TEST(Stakeout, ReadChecksTheMapInstead) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(L"<Stakeout/>");
    VDXML_ELEMENT element = ElementAt(dom, L"");
    VDXML_STAKEOUT_MAP maps[] = {
        {},
        {{Planned(), {Staked(L"R1"), Staked(L"")}}, {Planned(Named), {Staked(L"R")}}},
        {{Planned(Keep, 0), {Staked(L"R1")}}},
        {{Planned([](Design& d) { d.Coord.Type = VDXML_COORD_TYPE_NONE; }), {Staked(L"R")}}},
        {{Planned(), {Staked(L"R1", 0), Staked(L"R2")}}},
        {{Planned(), {Staked(L"R1")}}, {Planned(Named), {}}},
    };
    for (std::size_t i = 0; i < std::size(maps); ++i)
        EXPECT_EQ(CVdXmlApplStakeout::Read(element, maps[i]), i < 2 ? S_OK : E_FAIL) << i;
}
