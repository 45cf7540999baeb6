// Sample stakeout designs and results that the writer accepts.
#pragma once

#include <string>

#include "vdxml/stakeout_records.h"

namespace vdxml_test {

/// A design point of the class with a grid coordinate (type 3).
inline VDXML_STAKEOUT_DESIGN Design(const wchar_t* name,
                                    std::uint32_t pointClass = VDXML_PNT_CLASS_CONTROL) {
    VDXML_STAKEOUT_DESIGN d;
    d.Point.Name = name;
    d.Point.Class = pointClass;
    d.Coord.Type = VDXML_COORD_TYPE_3D;
    d.Coord.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
    d.Coord.LocalEnh.E = 1000.0;
    d.Coord.LocalEnh.N = 2000.0;
    d.Coord.LocalEnh.HO = 300.0;
    return d;
}

/// A complete result: a measured point whose coordinate holds only a WGS 84 ellipsoidal
/// height, a grid difference, height model "DTM", "Fill" and all six differences.
inline VDXML_STAKEOUT_RESULT Result(const wchar_t* name) {
    VDXML_STAKEOUT_RESULT r;
    r.Point.Name = name;
    r.Point.Class = VDXML_PNT_CLASS_MEASURED;
    r.Coord.Wgs84Llh.Flags = VDXML_GEODETIC::flagHE;
    r.Coord.Wgs84Llh.HE = 352.5;
    r.DCoord.LocalDEnh.Flags = VDXML_DGRID::flagPosition;
    r.DCoord.LocalDEnh.DE = 0.012;
    r.DCoord.LocalDEnh.DN = -0.008;
    r.HgtModel = VDXML_STAKEOUT_HGTMODEL_DTM;
    r.Type = VDXML_STAKEOUT_FILL;
    r.Flags = 0x3F;
    r.CoordDiff1D = 0.004;
    r.CoordDiff2D = 0.0144;
    r.CoordDiff3D = 0.015;
    r.DiffInOut = -0.01;
    r.DiffLeftRight = 0.02;
    r.HgtOffset = 0.125;
    return r;
}

}  // namespace vdxml_test
