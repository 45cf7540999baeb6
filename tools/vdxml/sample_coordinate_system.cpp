// The coordinate-system part of the sample: the site grid on GRS 1980 with its projection,
// geoid and distortion models, and the two-step transformation from WGS 84 with the residuals
// left at three control points.
#include <cmath>

#include "sample_parts.h"
#include "vdxml/coordinate_system.h"

namespace vdxml_cli::sample {
namespace {

VDXML_ELLIPSOID Grs80() {
    VDXML_ELLIPSOID e;
    e.Name = L"GRS 1980";
    e.SemiMajorAxis = 6378137.0;
    e.Flattening = 1.0 / 298.257222101;
    return e;
}

VDXML_TRFVECTOR Vector(std::uint8_t flags, double x, double y, double z, const VDXML_QLTY& q) {
    VDXML_TRFVECTOR v;
    v.Flags = flags;
    v.X = x;
    v.Y = y;
    v.Z = z;
    v.Qlty = q;
    return v;
}

// A 3D Helmert step: a few centimetres of shift, sub-arc-second rotations, about 1 ppm scale.
VDXML_TRFSTEP HelmertStep() {
    using V = VDXML_TRFVECTOR;
    constexpr std::uint8_t shift =
        V::flagX | V::flagY | V::flagZ | V::flagQ11 | V::flagQ22 | V::flagQ33;
    constexpr std::uint8_t rotation =
        V::flagX | V::flagY | V::flagZ | V::flagRotQ11 | V::flagRotQ22 | V::flagRotQ33;
    VDXML_TRFSTEP s;
    s.Name = L"WGS 84 to GRS 1980";
    s.StepType = VDXML_TRFSTEP_HELMERT3D;
    s.Model = VDXML_TRF_MODEL_BURSA_WOLF;
    s.Shift = Vector(shift, 0.012, -0.034, 0.021, Cofactors(0.004, 0.006));
    s.Rotation = Vector(rotation, 4.1e-8, -2.7e-8, 1.3e-8, Cofactors(1e-8, 1e-8));
    s.Scale = Vector(shift, 1.0000012, 1.0000012, 1.0000012, Cofactors(2e-7, 2e-7));
    s.Stochastics.Flags = VDXML_TRFSTOCHASTICS::flagApriori | VDXML_TRFSTOCHASTICS::flagAposteriori;
    s.Stochastics.Apriori = 0.010;
    s.Stochastics.Aposteriori = 0.0085;
    return s;
}

// The height step: orthometric heights as a plane below the ellipsoidal ones.
VDXML_TRFSTEP HeightStep() {
    using H = VDXML_TRFHEIGHT;
    VDXML_TRFSTEP s;
    s.Name = L"Geoid plane";
    s.StepType = VDXML_TRFSTEP_HEIGHT;
    s.Height.Flags =
        H::maskParameters | H::flagInclinationXAxis | H::flagInclinationYAxis | H::flagMeanAccuracy;
    s.Height.ParameterA = -kGeoidSeparation;
    s.Height.ParameterB = 2.0e-6;
    s.Height.ParameterC = -1.5e-6;
    s.Height.InclinationXAxis = 2.0e-6;
    s.Height.InclinationYAxis = -1.5e-6;
    s.Height.MeanAccuracy = 0.006;
    return s;
}

// The fit at one point: WGS 84 coordinates in, grid coordinates out, millimetres left over.
VDXML_TRFRESIDUAL ControlPoint(long long index) {
    using R = VDXML_TRFRESIDUAL;
    const SamplePosition p = SamplePointPosition(index);
    VDXML_TRFRESIDUAL r;
    r.Type = VDXML_COORD_TYPE_3D;
    r.Flags = R::flagSourceName | R::flagTargetName | R::flagResidualEnh | R::flagDDistance;
    r.SourceName = r.TargetName = PointName(index);
    r.SourceXyz = MeasuredXyz(p);
    r.TargetEnh = SiteGrid(p);
    const double phase = static_cast<double>(index + 1);
    r.ResidualEnh.Flags = VDXML_RESIDUAL_GRID::flagDEN | VDXML_RESIDUAL_GRID::flagDHO;
    r.ResidualEnh.DE = 0.004 * std::sin(phase);
    r.ResidualEnh.DN = -0.003 * std::cos(phase);
    r.ResidualEnh.DHO = 0.005 * std::sin(2.0 * phase);
    r.DDistance = std::hypot(r.ResidualEnh.DE, r.ResidualEnh.DN);
    return r;
}

VDXML_TRANSFORMATION Transformation(long long points) {
    VDXML_TRANSFORMATION t;
    t.Name = L"WGS 84 to site grid";
    t.Type = VDXML_TRANSFORMATION_TWOSTEP;
    t.ResidualDistribution = VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_SQUARED;
    t.HeightMode = VDXML_HEIGHT_MODE_ORTHOMETRIC;
    t.SourceSystem.Name = L"WGS 84";
    t.SourceSystem.Ellipsoid.Name = L"WGS 1984";
    t.SourceSystem.Ellipsoid.SemiMajorAxis = 6378137.0;
    t.SourceSystem.Ellipsoid.Flattening = 1.0 / 298.257223563;
    t.TargetSystem.Name = L"Site grid";
    t.TargetSystem.Ellipsoid = Grs80();
    t.TargetSystem.Projection.Name = L"Site TM";
    t.TargetSystem.Projection.Type = VDXML_PROJECTION_TM;
    t.Steps = {HelmertStep(), HeightStep()};
    // The first, the middle and the last point (the same one more than once in tiny files).
    t.Residuals = {ControlPoint(0), ControlPoint(points / 2), ControlPoint(points - 1)};
    return t;
}

}  // namespace

long WriteCoordinateSystem(const CVdXmlNode& parent, long long points) {
    VDXML_COORDINATESYSTEM cs;
    cs.Name = L"Site grid";
    cs.Note = L"Transverse Mercator at 8 E, false origin 2600000 E, 1200000 N";
    cs.Created = kFirstEpoch - 30.0;
    cs.Ellipsoid = Grs80();
    cs.Projection.Name = L"Site TM";
    cs.Projection.Type = VDXML_PROJECTION_TM;
    cs.GeoidModel.Name = L"Regional geoid 2020";
    cs.GeoidModel.Type = VDXML_GEOIDMODEL_GRID;
    cs.CscsModel.Name = L"Site distortion grid";
    cs.CscsModel.Method = VDXML_CSCS_METHOD_GRID;
    cs.CscsModel.Interpolation = VDXML_CSCS_INTERPOLATION_BILINEAR_2;
    cs.Transformation = Transformation(points);
    CVdXmlCoordinateSystem node;
    return node.Create(parent, cs);
}

}  // namespace vdxml_cli::sample
