// Records of the geometry elements: the project with its averaging limits and modified grid,
// the point, coordinates in five representations with their quality, and coordinate
// differences with polar elements and standard deviations.
//
// Coordinate blocks carry a flag byte (or word) right after the record base; a value means
// something only while its flag bit is set. Values without a flag start at 0 so that a record
// is never read uninitialised; the flag, not the value, tells whether it was given.
// Every record copies with its type code and omitted mark (the base's copy).
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/records.h"

/// The averaging limits of a project, for position and height, in the linear unit.
struct VDXML_API VDXML_AVGLIMIT : VDXML_BASE {
    VDXML_AVGLIMIT() : VDXML_BASE(VDXML_TYPE_AVGLIMIT) {}
    double Pos = 0.0;
    double Hgt = 0.0;
};

/// The modified grid of a project; written only when ScaleFactor is not 0.
struct VDXML_API VDXML_MODIFIEDGRID : VDXML_BASE {
    VDXML_MODIFIEDGRID() : VDXML_BASE(VDXML_TYPE_MODIFIEDGRID) {}
    double ScaleFactor = 0.0;
    double FalseNorthing = 0.0;
    double FalseEasting = 0.0;
};

/// A project: Name is required for writing. Timezone and LeapSecond are time spans in days,
/// Created a Modified Julian Date (written only when greater than 0).
struct VDXML_API VDXML_PROJECT : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_PROJECT() : VDXML_BASE(VDXML_TYPE_PROJECT) {}
    double Timezone = VDXML_UNDEFINED;
    double LeapSecond = VDXML_UNDEFINED;
    double Created = 0.0;
    VDXML_AVGLIMIT AvgLimit;
    VDXML_MODIFIEDGRID ModifiedGrid;
    _bstr_t Manager;
    _bstr_t Client;
    _bstr_t Street;
    _bstr_t MapRef;
};

/// Point class codes (0 = none).
enum VDXML_POINT_CLASS : std::uint32_t {
    VDXML_PNT_CLASS_NONE = 0,
    VDXML_PNT_CLASS_ESTIMATED = 1,
    VDXML_PNT_CLASS_NAVIGATED = 2,
    VDXML_PNT_CLASS_SPP = 3,
    VDXML_PNT_CLASS_MEASURED = 4,
    VDXML_PNT_CLASS_AVERAGED = 5,
    VDXML_PNT_CLASS_REFERENCE = 6,
    VDXML_PNT_CLASS_ADJUSTED = 7,
    VDXML_PNT_CLASS_CONTROL = 8,
};

/// A point: Name (the point identifier) is required for writing. Class and SubClass are codes
/// with texts (0 = none; a code without a text fails the write), Epoch a Modified Julian Date.
struct VDXML_API VDXML_POINT : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_POINT() : VDXML_BASE(VDXML_TYPE_POINT) {}
    std::uint32_t Class = 0;
    std::uint32_t SubClass = 0;
    double Epoch = VDXML_UNDEFINED;
};

/// Dimension of a coordinate or of a quality block. 0 means not given and counts as 3 where
/// a dimension is needed.
enum VDXML_COORD_TYPE : std::int32_t {
    VDXML_COORD_TYPE_NONE = 0,
    VDXML_COORD_TYPE_1D = 1,  ///< height only
    VDXML_COORD_TYPE_2D = 2,  ///< position only
    VDXML_COORD_TYPE_3D = 3,  ///< position and height
};

/// Quality of a coordinate block: unit-weight standard deviation and the upper triangle of a
/// symmetric 3 x 3 cofactor matrix, row by row. Rows 1 and 2 are the block's position
/// components, row 3 its height.
struct VDXML_API VDXML_QLTY : VDXML_BASE {
    VDXML_QLTY() : VDXML_BASE(VDXML_TYPE_QLTY) {}
    double M0 = 0.0;
    double Q11 = 0.0;
    double Q12 = 0.0;
    double Q13 = 0.0;
    double Q22 = 0.0;
    double Q23 = 0.0;
    double Q33 = 0.0;
};

/// Earth-centred or local Cartesian coordinates.
struct VDXML_API VDXML_CARTESIAN : VDXML_BASE {
    static constexpr std::uint8_t flagXyz = 0x01;   ///< X, Y and Z given
    static constexpr std::uint8_t flagQlty = 0x10;  ///< Qlty given

    VDXML_CARTESIAN() : VDXML_BASE(VDXML_TYPE_CARTESIAN) {}
    std::uint8_t Flags = 0;
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    VDXML_QLTY Qlty;
};

/// Geodetic coordinates: latitude and longitude in the angular unit, heights in the linear one.
struct VDXML_API VDXML_GEODETIC : VDXML_BASE {
    static constexpr std::uint8_t flagLatLon = 0x01;
    static constexpr std::uint8_t flagHE = 0x02;  ///< ellipsoidal height
    static constexpr std::uint8_t flagHO = 0x04;  ///< orthometric height
    static constexpr std::uint8_t flagQlty = 0x10;
    static constexpr std::uint8_t maskValues = 0x07;  ///< any coordinate value given

    VDXML_GEODETIC() : VDXML_BASE(VDXML_TYPE_GEODETIC) {}
    std::uint8_t Flags = 0;
    double Lat = 0.0;
    double Lon = 0.0;
    double HE = 0.0;
    double HO = 0.0;
    VDXML_QLTY Qlty;
};

/// Grid coordinates (easting, northing) with heights; the flags as for VDXML_GEODETIC.
struct VDXML_API VDXML_GRID : VDXML_BASE {
    static constexpr std::uint8_t flagEN = 0x01;
    static constexpr std::uint8_t flagHE = 0x02;
    static constexpr std::uint8_t flagHO = 0x04;
    static constexpr std::uint8_t flagQlty = 0x10;
    static constexpr std::uint8_t maskValues = 0x07;

    VDXML_GRID() : VDXML_BASE(VDXML_TYPE_GRID) {}
    std::uint8_t Flags = 0;
    double E = 0.0;
    double N = 0.0;
    double HE = 0.0;
    double HO = 0.0;
    VDXML_QLTY Qlty;
};

/// How a position or height was fixed (0 = none).
enum VDXML_COORD_SOURCE : std::uint32_t {
    VDXML_SOURCE_NONE = 0,
    VDXML_SOURCE_PEN = 1,
    VDXML_SOURCE_DIGITIZE_TABLE = 2,
    VDXML_SOURCE_ORTHOGONAL = 3,
    VDXML_SOURCE_TPS = 4,
    VDXML_SOURCE_LEVEL = 5,
    VDXML_SOURCE_GPS = 6,
    VDXML_SOURCE_AZIMUTH = 7,
    VDXML_SOURCE_CALCULATION = 8,
    VDXML_SOURCE_USER_ENTERED = 9,
};

/// A coordinate of a point in up to five representations. GeoidSeparation has no value of its
/// own for "not given": flagGeoidSeparation says whether it is (it starts at 0).
struct VDXML_API VDXML_COORD : VDXML_BASE {
    using enmType = VDXML_COORD_TYPE;

    static constexpr std::uint8_t flagGeoidSeparation = 0x08;

    /// Averaging status bits.
    static constexpr std::uint8_t avgUseNever = 0x01;
    static constexpr std::uint8_t avgUseAlways = 0x02;
    static constexpr std::uint8_t avgNotUsed = 0x04;
    static constexpr std::uint8_t avgOutOfLimit = 0x08;

    VDXML_COORD() : VDXML_BASE(VDXML_TYPE_COORD) {}
    std::uint8_t Flags = 0;
    enmType Type = VDXML_COORD_TYPE_NONE;
    std::uint32_t SourcePos = 0;
    std::uint32_t SourceHgt = 0;
    std::uint8_t AvgStatus = 0;
    VDXML_CARTESIAN Wgs84Xyz;
    VDXML_GEODETIC Wgs84Llh;
    VDXML_CARTESIAN LocalXyz;
    VDXML_GEODETIC LocalLlh;
    VDXML_GRID LocalEnh;
    double GeoidSeparation = 0.0;
};

/// Standard deviations of polar elements: angles in the angular unit, lengths in the linear
/// one (relative ones per km or in ppm, see CVdXmlNode::InsertSdRel).
struct VDXML_API VDXML_SD : VDXML_BASE {
    static constexpr std::uint8_t flagSdAzi = 0x01;
    static constexpr std::uint8_t flagSdDir = 0x02;
    static constexpr std::uint8_t flagSdZen = 0x04;
    static constexpr std::uint8_t flagSdDistS = 0x08;
    static constexpr std::uint8_t flagSdDistHz = 0x10;
    static constexpr std::uint8_t flagSdDH = 0x20;
    static constexpr std::uint8_t flagSdBl = 0x40;

    VDXML_SD() : VDXML_BASE(VDXML_TYPE_SD) {}
    std::uint8_t Flags = 0;
    double SdAzi = 0.0;
    double SdDir = 0.0;
    double SdZen = 0.0;
    double SdDistS = 0.0;
    double SdDistHz = 0.0;
    double SdDH = 0.0;
    double SdBl = 0.0;
};

/// A Cartesian coordinate difference.
struct VDXML_API VDXML_DCARTESIAN : VDXML_BASE {
    static constexpr std::uint8_t flagDXyz = 0x01;
    static constexpr std::uint8_t flagQlty = 0x10;

    VDXML_DCARTESIAN() : VDXML_BASE(VDXML_TYPE_DCARTESIAN) {}
    std::uint8_t Flags = 0;
    double DX = 0.0;
    double DY = 0.0;
    double DZ = 0.0;
    VDXML_QLTY Qlty;
};

/// Flag bits shared by the geodetic and grid differences.
struct VDXML_API VDXML_DIFF_FLAGS {
    static constexpr std::uint16_t flagPosition = 0x0001;  ///< DLat/DLon or DE/DN
    static constexpr std::uint16_t flagDH = 0x0006;        ///< either bit: DH given
    static constexpr std::uint16_t flagQlty = 0x0010;
    static constexpr std::uint16_t flagAzi = 0x0100;
    static constexpr std::uint16_t flagZen = 0x0200;
    static constexpr std::uint16_t flagDistS = 0x0400;
    static constexpr std::uint16_t flagDistHz = 0x0800;
    static constexpr std::uint16_t flagSdAbs = 0x1000;
    static constexpr std::uint16_t flagSdRel = 0x2000;
    /// The bits that open a block: position, height difference, azimuth, zenith angle and
    /// distances (quality, deviations and 2D/3D distances alone do not).
    static constexpr std::uint16_t maskBlock = 0x0F07;
};

/// A geodetic coordinate difference with polar elements (angles in radians).
struct VDXML_API VDXML_DGEODETIC : VDXML_BASE, VDXML_DIFF_FLAGS {
    static constexpr std::uint16_t flagD2D = 0x4000;
    static constexpr std::uint16_t flagD3D = 0x8000;

    VDXML_DGEODETIC() : VDXML_BASE(VDXML_TYPE_DGEODETIC) {}
    std::uint16_t Flags = 0;
    double DLat = 0.0;
    double DLon = 0.0;
    double DH = 0.0;
    VDXML_QLTY Qlty;
    double Azi = 0.0;
    double Zen = 0.0;
    double DistS = 0.0;
    double DistHz = 0.0;
    VDXML_SD SdAbs;
    VDXML_SD SdRel;
    double D2D = 0.0;
    double D3D = 0.0;
};

/// A grid coordinate difference with polar elements; note the different bits of D2D, D3D
/// and Dir.
struct VDXML_API VDXML_DGRID : VDXML_BASE, VDXML_DIFF_FLAGS {
    static constexpr std::uint16_t flagD2D = 0x0020;
    static constexpr std::uint16_t flagD3D = 0x0040;
    static constexpr std::uint16_t flagDir = 0x8000;

    VDXML_DGRID() : VDXML_BASE(VDXML_TYPE_DGRID) {}
    std::uint16_t Flags = 0;
    double DE = 0.0;
    double DN = 0.0;
    double DH = 0.0;
    VDXML_QLTY Qlty;
    double Azi = 0.0;
    double Dir = 0.0;
    double Zen = 0.0;
    double DistS = 0.0;
    double DistHz = 0.0;
    VDXML_SD SdAbs;
    VDXML_SD SdRel;
    double D2D = 0.0;
    double D3D = 0.0;
};

/// A coordinate difference in up to five representations, with centring accuracies.
struct VDXML_API VDXML_DCOORD : VDXML_BASE {
    static constexpr std::uint8_t flagACPos = 0x01;
    static constexpr std::uint8_t flagACHgt = 0x02;

    VDXML_DCOORD() : VDXML_BASE(VDXML_TYPE_DCOORD) {}
    std::uint8_t Flags = 0;
    VDXML_DCARTESIAN Wgs84DXyz;
    VDXML_DGEODETIC Wgs84DLlh;
    VDXML_DCARTESIAN LocalDXyz;
    VDXML_DGEODETIC LocalDLlh;
    VDXML_DGRID LocalDEnh;
    double ACPos = 0.0;
    double ACHgt = 0.0;
};
