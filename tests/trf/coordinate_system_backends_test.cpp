// A complete coordinate system, with every reference model, a two-step transformation between
// named systems and three residuals, written by both back ends into the same tree.
#include <gtest/gtest.h>

#include "trf_fixture.h"

using namespace vdxml_test;

namespace {

VDXML_TRFSTEP HelmertStep() {
    VDXML_TRFSTEP s;
    s.Name = L"Helmert";
    s.StepType = VDXML_TRFSTEP_HELMERT3D;
    s.Model = VDXML_TRF_MODEL_BURSA_WOLF;
    s.RotOrigin.Flags = 0x0E;
    s.Shift = Vector(0x3F, 674.374, 15.056, 405.346);
    s.Shift.Qlty = Cofactors(0.012, 0.25, 0.36, 0.49);
    s.Rotation = Vector(0xE7, 0.000001, -0.000002, 0.0000005);
    s.Rotation.Qlty = Cofactors(7.0, 1e-12, 4e-12, 9e-12);
    s.Scale = Vector(0x3F, 1.0000054, 1.0000054, 1.0000054);
    s.Stochastics.Flags = 0x03;
    return s;
}

VDXML_TRFSTEP HeightStep() {
    VDXML_TRFSTEP s;
    s.Name = L"Height";
    s.StepType = VDXML_TRFSTEP_HEIGHT;
    s.Height.Flags = 0x3F;
    s.Height.ParameterA = 0.5;
    s.Collocation.Flags = 0x1F;
    s.Collocation.Distortion2D = VDXML_TRF_DISTORTION_MEDIUM;
    s.Collocation.Distortion1D = VDXML_TRF_DISTORTION_NONE;
    s.MeanAccuracy.Flags = 0x03;
    return s;
}

VDXML_TRFRESIDUAL ControlPoint(const wchar_t* name, double offset) {
    VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_3D, 0x1F);
    r.SourceName = name;
    r.SourceXyz.Flags = 0x11;
    r.SourceXyz.X = 4300123.5 + offset;
    r.SourceXyz.Qlty = Cofactors(1.0, 0.0001, 0.0001, 0.0004);
    r.TargetName = name;
    r.TargetEnh.Flags = 0x17;
    r.TargetEnh.E = 2600000.0 + offset;
    r.TargetEnh.Qlty = r.SourceXyz.Qlty;
    r.ResidualXyz.Flags = 0x01;
    r.ResidualXyz.DX = 0.002;
    r.ResidualEnh.Flags = 0x13;
    r.ResidualEnh.DHE = 0.004;
    r.ResidualEnh.Qlty = r.SourceXyz.Qlty;
    r.DDistance = 0.0022;
    return r;
}

VDXML_COORDINATESYSTEM CompleteSystem() {
    VDXML_COORDINATESYSTEM cs;
    cs.Name = L"Swiss LV95";
    cs.Note = L"with local fit";
    cs.Created = 53736.5;
    cs.Ellipsoid.Name = L"Bessel 1841";
    cs.Ellipsoid.SemiMajorAxis = 6377397.155;
    cs.Ellipsoid.Flattening = 1 / 299.1528128;
    cs.Projection.Name = L"Swiss";
    cs.Projection.Type = VDXML_PROJECTION_SWISS_95;
    cs.GeoidModel.Name = L"CHGeo2004";
    cs.GeoidModel.Type = VDXML_GEOIDMODEL_GRID;
    cs.CscsModel.Name = L"CHENyx06";
    cs.CscsModel.Method = VDXML_CSCS_METHOD_GRID;
    cs.CscsModel.Interpolation = VDXML_CSCS_INTERPOLATION_BILINEAR_2;
    VDXML_TRANSFORMATION& t = cs.Transformation;
    t.Name = L"WGS 84 to LV95";
    t.Type = VDXML_TRANSFORMATION_TWOSTEP;
    t.HeightMode = VDXML_HEIGHT_MODE_ORTHOMETRIC;
    t.ResidualDistribution = VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_SQUARED;
    t.SourceSystem.Name = L"WGS 84";
    t.SourceSystem.Ellipsoid.Name = L"WGS 1984";
    t.SourceSystem.Ellipsoid.SemiMajorAxis = 6378137.0;
    t.SourceSystem.Ellipsoid.Flattening = 1 / 298.257223563;
    t.TargetSystem.Name = L"LV95";
    t.TargetSystem.Ellipsoid = cs.Ellipsoid;
    t.TargetSystem.Projection = cs.Projection;
    t.Steps = {HelmertStep(), HeightStep()};
    t.Residuals = {ControlPoint(L"CP1", 0.0), ControlPoint(L"CP2", 100.0),
                   ControlPoint(L"CP3", 200.0)};
    return cs;
}

// Writes the complete system below "Application" with one back end into path.
void WriteSystem(IVdXmlDoc::enmDocType type, const std::string& path) {
    CVdXmlDocument doc;
    const long hr = doc.Initialize(SampleRoot(), type, _bstr_t(path.c_str()), 1);
    if (hr == E_NOTIMPL) GTEST_SKIP() << "back end not available in this build";
    ASSERT_EQ(hr, S_OK);
    CVdXmlCoordinateSystem system;
    ASSERT_EQ(doc.GetNode(CVdXmlDocument::NODE_APPLICATION)
                  ->InsertCoordinateSystem(CompleteSystem(), system),
              S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
}

}  // namespace

TEST(CoordinateSystemBackEnds, CompleteSystemWrittenAlike) {
    TempDir dir;
    const std::string domPath = dir.file("dom.xml");
    const std::string streamPath = dir.file("stream.xml");
    WriteSystem(IVdXmlDoc::DOCTYPE_DOM, domPath);
    if (HasFatalFailure() || IsSkipped()) return;
    WriteSystem(IVdXmlDoc::DOCTYPE_STREAM, streamPath);
    if (HasFatalFailure() || IsSkipped()) return;

    const XmlTree dom = LoadXmlTree(domPath);
    const XmlTree stream = LoadXmlTree(streamPath);
    EXPECT_EQ(DiffTrees(dom, stream), "");

    // The shape both agree on, down to the last residual.
    const XmlTree& t = Path(dom, "Application/CoordinateSystem/Transformation");
    EXPECT_EQ(t.childNames(), (Names{"Name", "Type", "HeightMode", "SourceSystem", "TargetSystem",
                                     "TrfStep", "TrfStep", "TrfResiduals"}));
    EXPECT_EQ(Path(*t.child("TrfStep", 0), "TrfParameters").childNames(),
              (Names{"TrfRotOrigin", "TrfShift", "TrfRot", "TrfScale", "TrfStochastics"}));
    EXPECT_EQ(Path(*t.child("TrfStep", 1), "TrfParameters").childNames(),
              (Names{"TrfHgt", "Collocation", "TrfMeanAccuracy"}));
    const XmlTree& residuals = Path(t, "TrfResiduals");
    ASSERT_EQ(residuals.count("TrfResidual"), 3u);
    const XmlTree& third = *residuals.child("TrfResidual", 2);
    EXPECT_EQ(third.childNames(), (Names{"Type", "Source", "Target", "DCrd"}));
    EXPECT_EQ(Path(third, "Target/Crd/ENH").childText("E"), "2600200.00000");
}
