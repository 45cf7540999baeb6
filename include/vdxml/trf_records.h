// Records of coordinate systems and transformations: the ellipsoid, map projection, geoid and
// country-specific models, a transformation from a source to a target system with its steps
// (Helmert, collocation or height transformations with their estimated parameters) and the
// residuals left at its control points.
//
// As with the coordinate blocks, a value guarded by a flag bit means something only while the
// bit is set; values start at 0 so that a record is never read uninitialised. Codes are 32-bit
// and carry a text each (see trf_texts.h); 0 means "none" unless a field says otherwise.
// Records that the format gives no record-type code of their own (the step and its parameter
// blocks) carry VDXML_TYPE_NONE.
#pragma once

#include <cstdint>
#include <vector>

#include "vdxml/export.h"
#include "vdxml/geometry_records.h"
#include "vdxml/records.h"

// ---- Reference models ----

/// An ellipsoid. Its shape is written only when both SemiMajorAxis and Flattening are greater
/// than 0; the file holds the inverse flattening 1 / Flattening.
struct VDXML_API VDXML_ELLIPSOID : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_ELLIPSOID() : VDXML_BASE(VDXML_TYPE_ELLIPSOID) {}
    double SemiMajorAxis = 0.0;  ///< linear unit
    double Flattening = 0.0;     ///< the flattening f itself, not its inverse
};

/// Map projection types: 1 to 11 and the national projections 100 to 114. Codes 12 to 99 and
/// all others have no text and fail the write after their number.
enum VDXML_PROJECTION_TYPE : std::uint32_t {
    VDXML_PROJECTION_NONE = 0,
    VDXML_PROJECTION_TM = 1,
    VDXML_PROJECTION_UTM = 2,
    VDXML_PROJECTION_LAMBERT = 3,
    VDXML_PROJECTION_POLAR_STEREOGRAPHIC = 4,
    VDXML_PROJECTION_DOUBLE_STEREOGRAPHIC = 5,
    VDXML_PROJECTION_OM = 6,
    VDXML_PROJECTION_SOLDNER = 7,
    VDXML_PROJECTION_MERCATOR = 8,
    VDXML_PROJECTION_NZ_MAP_GRID = 9,
    VDXML_PROJECTION_RSO = 10,
    VDXML_PROJECTION_USER_DEFINED_EXE = 11,
    VDXML_PROJECTION_SWISS = 100,
    VDXML_PROJECTION_NEW_ZEALAND = 101,
    VDXML_PROJECTION_MALAYAN = 102,
    VDXML_PROJECTION_HUNGARIAN = 103,
    VDXML_PROJECTION_DUTCH = 104,
    VDXML_PROJECTION_FINNISH_KKJ = 105,
    VDXML_PROJECTION_SWISS_95 = 106,
    VDXML_PROJECTION_DK_BORNHOLM = 107,
    VDXML_PROJECTION_DK_JYLLAND = 108,
    VDXML_PROJECTION_DK_SJELLAND = 109,
    VDXML_PROJECTION_SK_KROVAK = 110,
    VDXML_PROJECTION_ROMANIAN = 111,
    VDXML_PROJECTION_DK_S34_BORNHOLM = 112,
    VDXML_PROJECTION_DK_S34_JYLLAND = 113,
    VDXML_PROJECTION_DK_S34_SJELLAND = 114,
};

/// A map projection; Type is a VDXML_PROJECTION_TYPE code (0 = none, not written).
struct VDXML_API VDXML_PROJECTION : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_PROJECTION() : VDXML_BASE(VDXML_TYPE_PROJECTION) {}
    std::uint32_t Type = VDXML_PROJECTION_NONE;
};

/// Geoid model types; 0 means none and is not written.
enum VDXML_GEOIDMODEL_TYPE : std::uint32_t {
    VDXML_GEOIDMODEL_NONE = 0,
    VDXML_GEOIDMODEL_GEODETIC = 1,
    VDXML_GEOIDMODEL_GRID = 2,
};

/// A geoid model; Type is a VDXML_GEOIDMODEL_TYPE code.
struct VDXML_API VDXML_GEOIDMODEL : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_GEOIDMODEL() : VDXML_BASE(VDXML_TYPE_GEOIDMODEL) {}
    std::uint32_t Type = VDXML_GEOIDMODEL_NONE;
};

/// The coordinates a country-specific model works in.
enum VDXML_CSCS_METHOD : std::uint32_t {
    VDXML_CSCS_METHOD_NONE = 0,
    VDXML_CSCS_METHOD_CARTESIAN = 1,
    VDXML_CSCS_METHOD_GEODETIC = 2,
    VDXML_CSCS_METHOD_GRID = 3,
};

/// How a country-specific model interpolates between its grid points.
enum VDXML_CSCS_INTERPOLATION : std::uint32_t {
    VDXML_CSCS_INTERPOLATION_NONE = 0,
    VDXML_CSCS_INTERPOLATION_BILINEAR_2 = 1,   ///< 4 points, 2 values
    VDXML_CSCS_INTERPOLATION_BILINEAR_3 = 2,   ///< 4 points, 3 values
    VDXML_CSCS_INTERPOLATION_SPLINE = 3,       ///< 16 points, 2 values
    VDXML_CSCS_INTERPOLATION_BIQUADRATIC = 4,  ///< 9 points, 2 values
};

/// A country-specific coordinate-system model (a correction grid).
struct VDXML_API VDXML_CSCSMODEL : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_CSCSMODEL() : VDXML_BASE(VDXML_TYPE_CSCSMODEL) {}
    std::uint32_t Method = VDXML_CSCS_METHOD_NONE;
    std::uint32_t Interpolation = VDXML_CSCS_INTERPOLATION_NONE;
};

// ---- Transformation steps ----

/// Kinds of transformation step; 0 means none and is not written.
enum VDXML_TRFSTEP_TYPE : std::uint32_t {
    VDXML_TRFSTEP_NONE = 0,
    VDXML_TRFSTEP_HELMERT2D = 1,
    VDXML_TRFSTEP_HELMERT3D = 2,
    VDXML_TRFSTEP_COLLOCATION = 3,
    VDXML_TRFSTEP_HEIGHT = 4,
};

/// The model of a Helmert step. -1 (all 32 bits set) means none and is not written; every
/// other value, 0 included, is written and fails without a text.
enum VDXML_TRF_MODEL : std::int32_t {
    VDXML_TRF_MODEL_NONE = -1,
    VDXML_TRF_MODEL_BURSA_WOLF = 1,
    VDXML_TRF_MODEL_MOLODENSKY_BADEKAS = 2,
    VDXML_TRF_MODEL_UNAVAILABLE = 3,
};

/// Distortion levels of a collocation; -1 means not given. Note that 0 is the level "None",
/// which is written.
enum VDXML_TRF_DISTORTION : std::int32_t {
    VDXML_TRF_DISTORTION_UNSET = -1,
    VDXML_TRF_DISTORTION_NONE = 0,
    VDXML_TRF_DISTORTION_LOW = 1,
    VDXML_TRF_DISTORTION_MEDIUM = 2,
    VDXML_TRF_DISTORTION_HIGH = 3,
};

/// The origin of a step's rotations. X0 and Y0 are written only together; Z0 only with them.
struct VDXML_API VDXML_TRFROTORIGIN : VDXML_BASE {
    static constexpr std::uint8_t flagX0 = 0x02;
    static constexpr std::uint8_t flagY0 = 0x04;
    static constexpr std::uint8_t flagZ0 = 0x08;

    VDXML_TRFROTORIGIN() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::uint8_t Flags = 0;
    double X0 = 0.0;
    double Y0 = 0.0;
    double Z0 = 0.0;
};

/// Three parameters of a step (shifts, rotations or scales) with their quality. The bits of
/// the cofactors differ between the kinds of vector:
/// - shifts and scales: flagX/flagY/flagZ for the components, flagQ11/flagQ22/flagQ33 for the
///   cofactors; X and Y are written only together, as are Q11 and Q22;
/// - rotations: flagX/flagY/flagZ for the rotations about the axes, flagRotQ11/flagRotQ22/
///   flagRotQ33 for the cofactors; the rotation about Z opens the block, X and Y need all three
///   bits, and the cofactor bit of Z opens the quality.
/// Only the shift's Qlty.M0 is ever written: the rotation and scale quality repeat it.
struct VDXML_API VDXML_TRFVECTOR : VDXML_BASE {
    static constexpr std::uint8_t flagX = 0x01;
    static constexpr std::uint8_t flagY = 0x02;
    static constexpr std::uint8_t flagZ = 0x04;
    static constexpr std::uint8_t flagQ11 = 0x08;
    static constexpr std::uint8_t flagQ22 = 0x10;
    static constexpr std::uint8_t flagQ33 = 0x20;
    static constexpr std::uint8_t flagRotQ11 = 0x20;
    static constexpr std::uint8_t flagRotQ22 = 0x40;
    static constexpr std::uint8_t flagRotQ33 = 0x80;

    VDXML_TRFVECTOR() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::uint8_t Flags = 0;
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    VDXML_QLTY Qlty;
};

/// The height plane of a height transformation. ParameterA and ParameterB are given together,
/// by either bit of maskParametersAB; the block is written only when the parameters A, B or C
/// are given (inclinations and mean accuracy alone do not open it).
struct VDXML_API VDXML_TRFHEIGHT : VDXML_BASE {
    static constexpr std::uint8_t maskParametersAB = 0x03;
    static constexpr std::uint8_t flagParameterC = 0x04;
    static constexpr std::uint8_t flagInclinationXAxis = 0x08;
    static constexpr std::uint8_t flagInclinationYAxis = 0x10;
    static constexpr std::uint8_t flagMeanAccuracy = 0x20;
    static constexpr std::uint8_t maskParameters = maskParametersAB | flagParameterC;

    VDXML_TRFHEIGHT() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::uint8_t Flags = 0;
    double ParameterA = 0.0;
    double ParameterB = 0.0;
    double ParameterC = 0.0;
    double InclinationXAxis = 0.0;
    double InclinationYAxis = 0.0;
    double MeanAccuracy = 0.0;
};

/// A-priori and a-posteriori accuracy; written only when both are given.
struct VDXML_API VDXML_TRFSTOCHASTICS {
    static constexpr std::uint8_t flagApriori = 0x01;
    static constexpr std::uint8_t flagAposteriori = 0x02;

    std::uint8_t Flags = 0;
    double Apriori = 0.0;
    double Aposteriori = 0.0;
};

/// The collocation matrix and distortions; written only when all four matrix elements are
/// given. The distortions are VDXML_TRF_DISTORTION levels.
struct VDXML_API VDXML_TRFCOLLOCATION {
    static constexpr std::uint8_t flagElement11 = 0x01;
    static constexpr std::uint8_t flagElement12 = 0x02;
    static constexpr std::uint8_t flagElement21 = 0x04;
    static constexpr std::uint8_t flagElement22 = 0x08;
    static constexpr std::uint8_t flagDistortionRightAngle = 0x10;
    static constexpr std::uint8_t maskMatrix = 0x0F;

    std::uint8_t Flags = 0;
    std::int32_t Distortion2D = VDXML_TRF_DISTORTION_UNSET;
    std::int32_t Distortion1D = VDXML_TRF_DISTORTION_UNSET;
    double Element11 = 0.0;
    double Element12 = 0.0;
    double Element21 = 0.0;
    double Element22 = 0.0;
    double DistortionRightAngle = 0.0;  ///< angular unit
};

/// Mean accuracy in X and Y; written only when both are given.
struct VDXML_API VDXML_TRFMEANACCURACY {
    static constexpr std::uint8_t flagMeanX = 0x01;
    static constexpr std::uint8_t flagMeanY = 0x02;

    std::uint8_t Flags = 0;
    double MeanX = 0.0;
    double MeanY = 0.0;
};

/// One step of a transformation. StepType is a VDXML_TRFSTEP_TYPE code (0 = none, not
/// written), Model a VDXML_TRF_MODEL code. Rotations are in the angular unit, shifts in the
/// linear unit, scales as factors.
struct VDXML_API VDXML_TRFSTEP : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_TRFSTEP() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::uint32_t StepType = VDXML_TRFSTEP_NONE;
    std::int32_t Model = VDXML_TRF_MODEL_NONE;
    VDXML_TRFROTORIGIN RotOrigin;
    VDXML_TRFVECTOR Shift;
    VDXML_TRFVECTOR Rotation;
    VDXML_TRFVECTOR Scale;
    VDXML_TRFHEIGHT Height;
    VDXML_TRFSTOCHASTICS Stochastics;
    VDXML_TRFCOLLOCATION Collocation;
    VDXML_TRFMEANACCURACY MeanAccuracy;
};

// ---- Residuals ----

/// A Cartesian residual.
struct VDXML_API VDXML_RESIDUAL_CARTESIAN : VDXML_BASE {
    static constexpr std::uint8_t flagDXyz = 0x01;  ///< DX, DY and DZ given
    static constexpr std::uint8_t flagQlty = 0x10;

    VDXML_RESIDUAL_CARTESIAN() : VDXML_BASE(VDXML_TYPE_RESIDUAL_CARTESIAN) {}
    std::uint8_t Flags = 0;
    double DX = 0.0;
    double DY = 0.0;
    double DZ = 0.0;
    VDXML_QLTY Qlty;
};

/// A grid residual with the ellipsoidal and orthometric height residuals.
struct VDXML_API VDXML_RESIDUAL_GRID : VDXML_BASE {
    static constexpr std::uint8_t flagDEN = 0x01;  ///< DE and DN given
    static constexpr std::uint8_t flagDHE = 0x02;
    static constexpr std::uint8_t flagDHO = 0x04;
    static constexpr std::uint8_t flagQlty = 0x10;
    static constexpr std::uint8_t maskValues = 0x07;

    VDXML_RESIDUAL_GRID() : VDXML_BASE(VDXML_TYPE_RESIDUAL_GRID) {}
    std::uint8_t Flags = 0;
    double DE = 0.0;
    double DN = 0.0;
    double DHE = 0.0;
    double DHO = 0.0;
    VDXML_QLTY Qlty;
};

/// The residual at one control point of a transformation, with the point's coordinates in the
/// source and target systems. Type (1, 2 or 3) is required. A source or target is written only
/// when its name flag is set and it has coordinates: a name alone is not written, while a
/// flagged empty name is written as an empty "Name".
struct VDXML_API VDXML_TRFRESIDUAL : VDXML_BASE {
    using enmType = VDXML_COORD::enmType;

    static constexpr std::uint8_t flagResidualXyz = 0x01;
    static constexpr std::uint8_t flagResidualEnh = 0x02;
    static constexpr std::uint8_t flagSourceName = 0x04;
    static constexpr std::uint8_t flagTargetName = 0x08;
    static constexpr std::uint8_t flagDDistance = 0x10;
    /// The bits that open the residual's "DCrd".
    static constexpr std::uint8_t maskResidual = flagResidualXyz | flagResidualEnh | flagDDistance;

    VDXML_TRFRESIDUAL() : VDXML_BASE(VDXML_TYPE_TRFRESIDUAL) {}
    ~VDXML_TRFRESIDUAL() override = default;
    VDXML_TRFRESIDUAL(const VDXML_TRFRESIDUAL&) = default;
    VDXML_TRFRESIDUAL& operator=(const VDXML_TRFRESIDUAL&) = default;

    std::uint8_t Flags = 0;
    enmType Type = VDXML_COORD_TYPE_NONE;
    _bstr_t SourceName;
    VDXML_CARTESIAN SourceXyz;
    VDXML_GRID SourceEnh;
    _bstr_t TargetName;
    VDXML_CARTESIAN TargetXyz;
    VDXML_GRID TargetEnh;
    double DDistance = 0.0;  ///< distance residual, linear unit
    VDXML_RESIDUAL_CARTESIAN ResidualXyz;
    VDXML_RESIDUAL_GRID ResidualEnh;
};

// ---- Transformations and coordinate systems ----

/// Transformation models; a transformation needs one of them to be written.
enum VDXML_TRANSFORMATION_TYPE : std::uint32_t {
    VDXML_TRANSFORMATION_NONE = 0,  ///< refused by the writer
    VDXML_TRANSFORMATION_HELMERT2D = 1,
    VDXML_TRANSFORMATION_HELMERT3D = 2,
    VDXML_TRANSFORMATION_ONESTEP = 3,
    VDXML_TRANSFORMATION_COLLOCATION = 4,
    VDXML_TRANSFORMATION_STEPWISE = 5,
    VDXML_TRANSFORMATION_TWOSTEP = 6,
};

/// How the residuals of the control points are spread over the transformed area.
enum VDXML_RESIDUAL_DISTRIBUTION : std::uint32_t {
    VDXML_RESIDUAL_DISTRIBUTION_NONE = 0,  ///< not written
    VDXML_RESIDUAL_DISTRIBUTION_NO_DISTRIBUTION = 1,
    VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE = 2,          ///< 1 / distance
    VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_1_5 = 3,      ///< 1 / distance ^ 1.5
    VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_SQUARED = 4,  ///< 1 / distance ^ 2
    VDXML_RESIDUAL_DISTRIBUTION_MULTIQUADRATIC = 5,
};

/// Which heights a transformation works with; 0 means not given and is not written.
enum VDXML_HEIGHT_MODE : std::uint32_t {
    VDXML_HEIGHT_MODE_NONE = 0,
    VDXML_HEIGHT_MODE_ELLIPSOIDAL = 1,
    VDXML_HEIGHT_MODE_ORTHOMETRIC = 2,
};

/// The source or target system of a transformation: written only when it has a name; its
/// ellipsoid and projection only when they have names.
struct VDXML_API VDXML_TRFSYSTEM : VDXML_ITEMNAME {
    VDXML_ELLIPSOID Ellipsoid;
    VDXML_PROJECTION Projection;
};

/// A transformation from a source to a target system. Type (a VDXML_TRANSFORMATION_TYPE code)
/// is required; ResidualDistribution and HeightMode are written when not 0.
struct VDXML_API VDXML_TRANSFORMATION : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_TRANSFORMATION() : VDXML_BASE(VDXML_TYPE_TRANSFORMATION) {}
    std::uint32_t Type = VDXML_TRANSFORMATION_NONE;
    std::uint32_t ResidualDistribution = VDXML_RESIDUAL_DISTRIBUTION_NONE;
    std::uint32_t HeightMode = VDXML_HEIGHT_MODE_NONE;
    VDXML_TRFSYSTEM SourceSystem;
    VDXML_TRFSYSTEM TargetSystem;
    std::vector<VDXML_TRFSTEP> Steps;          ///< in the order they are applied
    std::vector<VDXML_TRFRESIDUAL> Residuals;  ///< one per control point
};

/// A coordinate system: Name is required. Created is a Modified Julian Date, written when
/// greater than 0. The transformation is written when its Type is not 0, each model when it
/// has a name.
struct VDXML_API VDXML_COORDINATESYSTEM : VDXML_BASE, VDXML_ITEMNAME {
    VDXML_COORDINATESYSTEM() : VDXML_BASE(VDXML_TYPE_COORDINATESYSTEM) {}
    ~VDXML_COORDINATESYSTEM() override = default;
    VDXML_COORDINATESYSTEM(const VDXML_COORDINATESYSTEM&) = default;
    VDXML_COORDINATESYSTEM& operator=(const VDXML_COORDINATESYSTEM&) = default;

    double Created = 0.0;
    VDXML_ELLIPSOID Ellipsoid;
    VDXML_PROJECTION Projection;
    VDXML_TRANSFORMATION Transformation;
    VDXML_GEOIDMODEL GeoidModel;
    VDXML_CSCSMODEL CscsModel;
};
