// Records of stakeout results: a designed point with its coordinate, and the results staked
// for it, each with the staked point, its coordinate, a coordinate difference and further
// differences. A stakeout is a map from designs to their results, in the order in which the
// results are to be written.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "vdxml/export.h"
#include "vdxml/geometry_records.h"
#include "vdxml/records.h"

/// Cut or fill of a result (VDXML_STAKEOUT_RESULT::Type); 0 means not given.
enum VDXML_STAKEOUT_CUTFILL : std::uint32_t {
    VDXML_STAKEOUT_CUTFILL_NONE = 0,
    VDXML_STAKEOUT_CUT = 1,
    VDXML_STAKEOUT_FILL = 2,
    VDXML_STAKEOUT_NEITHER = 3,  ///< written as "None"
};

/// Height model of a result (VDXML_STAKEOUT_RESULT::HgtModel); 0 means not given.
enum VDXML_STAKEOUT_HEIGHT_MODEL : std::uint32_t {
    VDXML_STAKEOUT_HGTMODEL_NOT_GIVEN = 0,
    VDXML_STAKEOUT_HGTMODEL_NONE = 1,
    VDXML_STAKEOUT_HGTMODEL_DTM = 2,
};

/// A design point with its design coordinate. Written only when the point has a name and a
/// class other than 0.
///
/// Designs are ordered by the point's name (UTF-16 code units, so "P10" comes before "P9"),
/// then by the point's note, class, subclass and epoch, then by the coordinate's fields in
/// declaration order; numbers compare by value with NaN after every number. Two designs are
/// one map key only when all of these are equal, so designs that share a name but differ in
/// anything else are all kept.
struct VDXML_API VDXML_STAKEOUT_DESIGN : VDXML_BASE {
    VDXML_STAKEOUT_DESIGN() : VDXML_BASE(VDXML_TYPE_STAKEOUT_DESIGN) {}
    VDXML_POINT Point;
    VDXML_COORD Coord;

    /// The map order described above: a strict weak ordering, also with NaN in any field.
    bool operator<(const VDXML_STAKEOUT_DESIGN& other) const;
};

/// One stakeout result. Written only when complete: its point has a name and a class other
/// than 0 and its coordinate holds at least one value (Cartesian coordinates, or a latitude
/// and longitude, easting and northing or height of a geodetic or grid block).
struct VDXML_API VDXML_STAKEOUT_RESULT : VDXML_BASE {
    static constexpr std::uint8_t flagCoordDiff1D = 0x01;
    static constexpr std::uint8_t flagCoordDiff2D = 0x02;
    static constexpr std::uint8_t flagCoordDiff3D = 0x04;
    static constexpr std::uint8_t flagDiffInOut = 0x08;
    static constexpr std::uint8_t flagDiffLeftRight = 0x10;
    static constexpr std::uint8_t flagHgtOffset = 0x20;

    VDXML_STAKEOUT_RESULT() : VDXML_BASE(VDXML_TYPE_STAKEOUT_RESULT) {}
    std::uint8_t Flags = 0;
    std::uint32_t Type = VDXML_STAKEOUT_CUTFILL_NONE;            ///< VDXML_STAKEOUT_CUTFILL
    std::uint32_t HgtModel = VDXML_STAKEOUT_HGTMODEL_NOT_GIVEN;  ///< VDXML_STAKEOUT_HEIGHT_MODEL
    VDXML_POINT Point;
    VDXML_COORD Coord;
    VDXML_DCOORD DCoord;
    double CoordDiff1D = 0.0;  ///< linear unit, like all differences below
    double CoordDiff2D = 0.0;
    double CoordDiff3D = 0.0;
    double DiffInOut = 0.0;
    double DiffLeftRight = 0.0;
    double HgtOffset = 0.0;
};

/// All designs of one stakeout with their results.
using VDXML_STAKEOUT_MAP = std::map<VDXML_STAKEOUT_DESIGN, std::vector<VDXML_STAKEOUT_RESULT>>;
