// Coordinate systems with their reference models and transformations, transformation steps
// and residuals: the sub-elements under each condition, their order and decimals, the
// parameter quality, and the first failure ending each enclosing writer, in golden files.
// Every step and residual case is a coordinate system of its own, named after the case.
#include <gtest/gtest.h>

#include "geometry_golden.h"

using namespace vdxml_test;

namespace {

VDXML_ELLIPSOID Ellipsoid(const wchar_t* name, double axis, double flattening) {
    VDXML_ELLIPSOID e;
    e.Name = name;
    e.SemiMajorAxis = axis;
    e.Flattening = flattening;
    return e;
}

// A step with a note, which is written only with a name.
VDXML_TRFSTEP Step(const wchar_t* name, std::int32_t model = -1, std::uint32_t type = 0) {
    VDXML_TRFSTEP s;
    s.Name = name;
    s.Note = L"from control";
    s.Model = model;
    s.StepType = type;
    return s;
}

VDXML_TRFRESIDUAL Residual(VDXML_COORD_TYPE type, std::uint8_t flags, double distance = 0) {
    VDXML_TRFRESIDUAL r;
    r.Type = type;
    r.Flags = flags;
    r.DDistance = distance;
    return r;
}

VDXML_TRANSFORMATION Trf(std::uint32_t type, std::vector<VDXML_TRFSTEP> steps = {},
                         std::vector<VDXML_TRFRESIDUAL> residuals = {},
                         std::uint32_t distribution = VDXML_RESIDUAL_DISTRIBUTION_NONE) {
    VDXML_TRANSFORMATION t;
    t.Type = type;
    t.Steps = std::move(steps);
    t.Residuals = std::move(residuals);
    t.ResidualDistribution = distribution;
    return t;
}

// A named transformation between a source system (when it has a name) with a projection of
// the given type and a target system with an ellipsoid and an unnamed projection.
VDXML_TRANSFORMATION Systems(const wchar_t* sourceName, std::uint32_t projectionType) {
    VDXML_TRANSFORMATION t = Trf(VDXML_TRANSFORMATION_TWOSTEP);
    t.Name = L"LV95 to local";
    t.HeightMode = VDXML_HEIGHT_MODE_ORTHOMETRIC;
    t.SourceSystem.Name = sourceName;
    t.SourceSystem.Projection.Name = L"Swiss grid";
    t.SourceSystem.Projection.Type = projectionType;
    t.TargetSystem.Name = L"Local";
    t.TargetSystem.Ellipsoid = Ellipsoid(L"Bessel", 6377397.155, 1 / 299.1528128);
    t.TargetSystem.Projection.Type = VDXML_PROJECTION_TM;
    return t;
}

// A step with the given flags of each parameter block.
VDXML_TRFSTEP Parameters(std::uint8_t origin, std::uint8_t shift, std::uint8_t rotation,
                         std::uint8_t scale, std::uint8_t height = 0, std::uint8_t pairs = 0,
                         std::uint8_t collocation = 0) {
    VDXML_TRFSTEP s = Step(L"");
    s.RotOrigin.Flags = origin;
    s.Shift.Flags = shift;
    s.Rotation.Flags = rotation;
    s.Scale.Flags = scale;
    s.Height.Flags = height;
    s.Stochastics.Flags = s.MeanAccuracy.Flags = pairs;
    s.Collocation.Flags = collocation;
    // The shift's M0 is the rotation's and the scale's; theirs are never written. Their
    // deviations are the roots of the cofactors alone; a negative one's is skipped.
    s.Shift.Qlty = Q(1.5, 0.0004, 0.0009, 0.0016);
    s.Rotation.Qlty = Q(9, 1e-10, 4e-10, 2.5e-11);
    s.Scale.Qlty = Q(5, -4e-8, 9e-8, 1.6e-7);
    // Level 0 is "None" and written; -1 is not given.
    s.Collocation.Distortion2D = collocation & 0x10 ? VDXML_TRF_DISTORTION_NONE : -1;
    s.Collocation.Distortion1D = collocation & 0x10 ? VDXML_TRF_DISTORTION_HIGH : -1;
    return s;
}

const VDXML_ELLIPSOID kWgs84 = Ellipsoid(L"WGS 1984", 6378137.0, 1 / 298.257223563);
const VDXML_TRFRESIDUAL kDist = Residual(k2D, 0x10, 0.01);
constexpr std::uint32_t kStepwise = VDXML_TRANSFORMATION_STEPWISE;

// With models, the system has a note, a creation date, a projection, a geoid model and a
// country model besides the row's ellipsoid and transformation. Read back, each system is
// refused (systems are read for their presence only) and with it the records below it.
struct SystemRow {
    const char* label;
    long status;
    const char* refused;
    VDXML_TRANSFORMATION transformation;
    VDXML_ELLIPSOID ellipsoid = VDXML_ELLIPSOID();
    bool models = false;
};

const char* const kResidual = "TrfResidual DCrd";
const char* const kTwoResiduals = "TrfResidual DCrd TrfResidual DCrd";
constexpr std::uint32_t kH2D = VDXML_TRANSFORMATION_HELMERT2D;

// Transformation models and residual distributions by their codes: 2 Helmert 3D, 3 one step,
// 5 multiquadratic.
const SystemRow kSystems[] = {
    {"transformation without a model", S_OK, "", Trf(0, {Step(L"step")})},
    {"named step with type and model", S_OK, "", Trf(kStepwise, {Step(L"Datum shift", 2, 4)})},
    {"step without a name", S_OK, "", Trf(kStepwise, {Step(L"")})},
    {"step model 0 is a code", E_FAIL, "", Trf(kStepwise, {Step(L"", 0, 1)})},
    {"every sub-element", S_OK, "", Trf(2), Ellipsoid(L"Bessel", 0, 0), true},
    {"ellipsoid shape", S_OK, "", Trf(0), kWgs84},
    {"ellipsoid without flattening", S_OK, "", Trf(0), Ellipsoid(L"e", 6378137.0, 0)},
    {"ellipsoid with negative axis", S_OK, "", Trf(0), Ellipsoid(L"e", -6378137.0, 0.003)},
    {"named transformation and systems", S_OK, "", Systems(L"WGS 84", VDXML_PROJECTION_SWISS)},
    {"nameless source system", S_OK, "", Systems(L"", VDXML_PROJECTION_SWISS)},
    // Projection type 12 lies between the two ranges of codes: it has no text.
    {"failing system model", E_FAIL, "", Systems(L"WGS 84", 12), kWgs84, true},
    {"failing step ends the system", E_FAIL, "", Trf(kStepwise, {Step(L"9", -1, 9)}), kWgs84, true},
    {"steps in order", S_OK, kResidual,
     Trf(kStepwise, {Step(L"1"), Step(L"2"), Step(L"3")}, {kDist})},
    {"failing step ends the steps", E_FAIL, "",
     Trf(kStepwise, {Step(L"1"), Step(L"2", 0), Step(L"3")}, {kDist})},
    {"residual distribution", S_OK, kTwoResiduals, Trf(3, {}, {kDist, kDist}, 5)},
    {"refused residual ends the residuals", E_FAIL, kResidual,
     Trf(kH2D, {}, {kDist, Residual(kNone, 0x10), kDist})},
    {"residual failing halfway ends the residuals", E_FAIL, kTwoResiduals,  // no DX, DY, DZ
     Trf(kH2D, {}, {kDist, Residual(k3D, 0x01), kDist})},
    // Parameter blocks of steps, varied independently of each other.
    {"layouts 1", S_OK, "", Trf(kStepwise, {Parameters(0x0E, 0x07, 0x07, 0x07, 0x02, 0x03, 0x1F)})},
    {"layouts 2", S_OK, "", Trf(kStepwise, {Parameters(0x06, 0x03, 0x05, 0x03, 0x01, 0x01, 0x0F)})},
    {"layouts 3", S_OK, "", Trf(kStepwise, {Parameters(0x0A, 0x05, 0x06, 0x05, 0x1C, 0x02, 0x17)})},
    {"layouts 4", S_OK, "", Trf(kStepwise, {Parameters(0x0C, 0x06, 0x03, 0x06, 0x3F, 0, 0x1B)})},
    {"quality 1", S_OK, "", Trf(kStepwise, {Parameters(0, 0x3B, 0xE4, 0x3B, 0x18, 0x03, 0x1D)})},
    {"quality 2", S_OK, "", Trf(kStepwise, {Parameters(0, 0x1B, 0x84, 0x1B, 0x20, 0, 0x1E)})},
    {"quality 3", S_OK, "", Trf(kStepwise, {Parameters(0, 0x2B, 0xC4, 0x2B)})},  // no Q22
    {"quality 4", S_OK, "", Trf(kStepwise, {Parameters(0, 0x3B, 0x64, 0)})},
    {"every block", S_OK, "",
     Trf(kStepwise, {Parameters(0x06, 0x03, 0x04, 0x03, 0x04, 0x03, 0x0F)})},
};

// The records read back below the residual's system, then its dimension and flags, then the
// flags of each block.
struct ResidualRow {
    const char* label;
    const char* refused;
    VDXML_COORD_TYPE type;
    std::uint8_t flags = 0, sourceXyz = 0, sourceEnh = 0, targetXyz = 0, targetEnh = 0;
    std::uint8_t residualXyz = 0, residualEnh = 0;
    long status = S_OK;
};

const char* const kSourceAndResidual = "TrfResidual Crd DCrd";

const ResidualRow kResiduals[] = {
    {"names without coordinates", "TrfResidual", k2D, 0x0C, 0x10},  // quality is no coordinate
    {"coordinates without names", "TrfResidual", k2D, 0x00, 0x01, 0, 0, 0x01},
    {"source and target", "TrfResidual Crd Crd", k3D, 0x0C, 0x11, 0x17, 0x01, 0x05},
    {"residual blocks and distance", kResidual, k3D, 0x13, 0, 0, 0, 0, 0x11, 0x07},
    {"distance alone", kResidual, k2D, 0x10},
    {"grid quality of a position", kSourceAndResidual, k1D, 0x06, 0, 0x11, 0, 0, 0, 0x11},
    {"grid quality of position and height", kSourceAndResidual, k1D, 0x06, 0, 0x13, 0, 0, 0, 0x13},
    {"grid quality of a height", kSourceAndResidual, k1D, 0x06, 0, 0x12, 0, 0, 0, 0x12},
    // A failing residual block stays, empty; what follows it is not written.
    {"quality without differences", kResidual, k3D, 0x13, 0, 0, 0, 0, 0x10, 0x07, E_FAIL},
    {"grid quality without values", kResidual, k3D, 0x13, 0, 0, 0, 0, 0x01, 0x10, E_FAIL},
    {"grid residual without flags", kResidual, k3D, 0x12, 0, 0, 0, 0, 0, 0, E_FAIL},
};

VDXML_TRFRESIDUAL MakeResidual(const ResidualRow& r) {
    VDXML_TRFRESIDUAL t = Residual(r.type, r.flags, 0.0156789);
    t.SourceName = L"CP1";
    t.TargetName = L"CP1 local";
    t.SourceXyz.Flags = r.sourceXyz;
    t.SourceEnh.Flags = r.sourceEnh;
    t.TargetXyz.Flags = r.targetXyz;
    t.TargetEnh.Flags = r.targetEnh;
    t.ResidualXyz.Flags = r.residualXyz;
    t.ResidualEnh.Flags = r.residualEnh;
    t.SourceXyz.Qlty = t.TargetXyz.Qlty = t.ResidualXyz.Qlty = Q(1.0, 0.0004, 0.0009, 0.0016);
    t.SourceEnh.Qlty = t.TargetEnh.Qlty = t.ResidualEnh.Qlty = Q(2.0, 0.0001, 0.0004, 0.0009);
    return t;
}

}  // namespace

TEST(Trf, Golden) {
    GoldenDocument d;
    std::vector<std::string> refused;
    auto write = [&](const char* label, const char* below, bool models,
                     const VDXML_ELLIPSOID& ellipsoid, const VDXML_TRANSFORMATION& t, long status) {
        VDXML_COORDINATESYSTEM cs;
        cs.Name = label;
        cs.Ellipsoid = ellipsoid;
        cs.Transformation = t;
        if (models) {
            cs.Note = L"LV95";
            cs.Created = 53736.5;
            cs.CscsModel.Name = L"CHENyx06";
            cs.CscsModel.Method = VDXML_CSCS_METHOD_GEODETIC;
            cs.CscsModel.Interpolation = VDXML_CSCS_INTERPOLATION_BIQUADRATIC;
            cs.GeoidModel.Name = L"CHGeo2004";
            cs.GeoidModel.Type = VDXML_GEOIDMODEL_GRID;
            cs.Projection.Name = L"Swiss";
            cs.Projection.Type = VDXML_PROJECTION_SWISS;
        }
        EXPECT_EQ(d.Application().InsertCoordinateSystem(cs, d.system), status) << label;
        refused.push_back(std::string("CoordinateSystem") + (*below ? " " : "") + below);
    };
    for (const SystemRow& r : kSystems)
        write(r.label, r.refused, r.models, r.ellipsoid, r.transformation, r.status);
    for (const ResidualRow& r : kResiduals)
        write(r.label, r.refused, false, {}, Trf(kH2D, {}, {MakeResidual(r)}), r.status);
    // The model writers on any node: a model that writes nothing at all is refused, and so is
    // a transformation without a model.
    CVdXmlNode node;
    ASSERT_EQ(node.Create(d.Application(), VdXml::tagEllipsoid, nullptr), S_OK);
    EXPECT_EQ(node.InsertEllipsoid(Ellipsoid(L"", 6378137.0, 1 / 298.257222101)), S_OK);
    EXPECT_EQ(node.InsertEllipsoid(VDXML_ELLIPSOID()), E_FAIL);
    EXPECT_EQ(node.InsertProjection(VDXML_PROJECTION()), E_FAIL);
    EXPECT_EQ(node.InsertTransformation(VDXML_TRANSFORMATION()), E_FAIL);
    EXPECT_EQ(d.ExpectGoldens("transformation"), Join(refused));
    ExpectDeviationsFromCofactors(LoadXmlTree(d.path));
}
