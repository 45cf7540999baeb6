// The stakeout part of the sample: the point was set out from its design position on the
// grid; the staked mark missed it by a few millimetres, cut into the ground.
#include <cmath>

#include "sample_parts.h"
#include "vdxml/appl_stakeout.h"

namespace vdxml_cli::sample {
namespace {
// How far the staked mark lies from the design: east, north, height (metres).
constexpr double kMissEast = 0.006;
constexpr double kMissNorth = -0.004;
constexpr double kMissHeight = 0.009;

VDXML_COORD GridCoord(double east, double north, double height, std::uint32_t source) {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_3D;
    c.SourcePos = c.SourceHgt = source;
    c.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
    c.LocalEnh.E = east;
    c.LocalEnh.N = north;
    c.LocalEnh.HO = height;
    return c;
}

VDXML_STAKEOUT_DESIGN Design(long long index, const SamplePosition& p) {
    VDXML_STAKEOUT_DESIGN d;
    d.Point.Name = _bstr_t(L"D") + PointName(index);
    d.Point.Class = VDXML_PNT_CLASS_REFERENCE;
    d.Coord = GridCoord(p.east, p.north, p.height - kGeoidSeparation, VDXML_SOURCE_USER_ENTERED);
    return d;
}

VDXML_STAKEOUT_RESULT Result(long long index, const VDXML_STAKEOUT_DESIGN& design) {
    using R = VDXML_STAKEOUT_RESULT;
    const VDXML_GRID& planned = design.Coord.LocalEnh;
    VDXML_STAKEOUT_RESULT r;
    r.Point.Name = _bstr_t(L"S") + PointName(index);
    r.Point.Class = VDXML_PNT_CLASS_MEASURED;
    r.Point.Epoch = PointEpoch(index) + 0.01;
    r.Coord = GridCoord(planned.E + kMissEast, planned.N + kMissNorth, planned.HO + kMissHeight,
                        VDXML_SOURCE_TPS);
    VDXML_DGRID& d = r.DCoord.LocalDEnh;
    d.Flags = VDXML_DGRID::flagPosition | VDXML_DGRID::flagDH;
    d.DE = kMissEast;
    d.DN = kMissNorth;
    d.DH = kMissHeight;
    r.Flags = R::flagCoordDiff2D | R::flagCoordDiff3D | R::flagHgtOffset;
    r.CoordDiff2D = std::hypot(kMissEast, kMissNorth);
    r.CoordDiff3D = std::hypot(r.CoordDiff2D, kMissHeight);
    r.HgtOffset = kMissHeight;
    r.Type = VDXML_STAKEOUT_CUT;  // the mark stands above the design height
    r.HgtModel = VDXML_STAKEOUT_HGTMODEL_NONE;
    return r;
}
}  // namespace

long WriteStakeout(const CVdXmlNode& point, long long index) {
    const VDXML_STAKEOUT_DESIGN design = Design(index, SamplePointPosition(index));
    VDXML_STAKEOUT_MAP designs;
    designs[design].push_back(Result(index, design));
    CVdXmlApplStakeout stakeout;
    return stakeout.Create(point, designs);
}

}  // namespace vdxml_cli::sample
