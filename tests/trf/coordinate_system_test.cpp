// Writing coordinate systems: the required name, the order of the sub-elements, each reference
// model with its optional values and enumerated codes, failures passed up from a nested
// writer, a complete system written alike by both back ends, and the presence-only reader.
#include <gtest/gtest.h>

#include "support/dom_helpers.h"
#include "trf_fixture.h"

using namespace vdxml_test;

namespace {

VDXML_COORDINATESYSTEM Named(const wchar_t* name) {
    VDXML_COORDINATESYSTEM cs;
    cs.Name = name;
    return cs;
}

VDXML_ELLIPSOID Wgs84Ellipsoid() {
    VDXML_ELLIPSOID e;
    e.Name = L"WGS 1984";
    e.SemiMajorAxis = 6378137.0;
    e.Flattening = 1 / 298.257223563;
    return e;
}

}  // namespace

class CoordinateSystemWrite : public TrfTest {
  protected:
    long Write(const VDXML_COORDINATESYSTEM& cs) {
        return Application().InsertCoordinateSystem(cs, m_system);
    }

    CVdXmlCoordinateSystem m_system;
};

TEST_P(CoordinateSystemWrite, NameIsRequired) {
    VDXML_COORDINATESYSTEM cs;
    cs.Note = L"no name";
    cs.Ellipsoid = Wgs84Ellipsoid();
    EXPECT_EQ(Write(cs), E_FAIL);
    CVdXmlNode orphan;
    EXPECT_EQ(m_system.Create(orphan, Named(L"Swiss")), E_FAIL);
    EXPECT_EQ(Written().count("CoordinateSystem"), 0u);
}

TEST_P(CoordinateSystemWrite, EverySubElementInItsOrder) {
    VDXML_COORDINATESYSTEM bare = Named(L"bare");
    bare.Transformation.Name = L"not written without a model";
    VDXML_COORDINATESYSTEM cs = Named(L"Swiss");
    cs.Note = L"LV95";
    cs.Created = 53736.5;
    cs.CscsModel.Name = L"CHENyx06";
    cs.CscsModel.Method = VDXML_CSCS_METHOD_GEODETIC;
    cs.CscsModel.Interpolation = VDXML_CSCS_INTERPOLATION_BIQUADRATIC;
    cs.GeoidModel.Name = L"CHGeo2004";
    cs.GeoidModel.Type = VDXML_GEOIDMODEL_GRID;
    cs.Projection.Name = L"Swiss";
    cs.Projection.Type = VDXML_PROJECTION_SWISS;
    cs.Ellipsoid.Name = L"Bessel";
    cs.Transformation.Type = VDXML_TRANSFORMATION_HELMERT3D;
    ASSERT_EQ(Write(bare), S_OK);
    ASSERT_EQ(Write(cs), S_OK);
    const XmlTree& app = Written();
    EXPECT_EQ(app.child("CoordinateSystem", 0)->childNames(), Names{"Name"});
    const XmlTree& x = *app.child("CoordinateSystem", 1);
    EXPECT_EQ(x.childNames(), (Names{"Name", "Note", "Created", "Transformation", "Ellipsoid",
                                     "Projection", "GeoidModel", "CscsModel"}));
    EXPECT_EQ(x.childText("Created"), "2006-01-01T12:00:00.0000");
    EXPECT_EQ(Path(x, "Created").attrs.at("dt:dt"), "datetime");
    EXPECT_EQ(Path(x, "Transformation").childNames(), (Names{"Type", "TrfResiduals"}));
    EXPECT_EQ(Path(x, "Ellipsoid").childNames(), Names{"Name"});
    EXPECT_EQ(Path(x, "Projection").childNames(), (Names{"Name", "Type"}));
    EXPECT_EQ(Path(x, "Projection").childText("Type"), "100");
    EXPECT_EQ(Path(x, "GeoidModel").childText("Type"), "2");
    EXPECT_EQ(Path(x, "CscsModel").childNames(), (Names{"Name", "Method", "InterpolationType"}));
    EXPECT_EQ(Path(x, "CscsModel").childText("InterpolationType"), "4");
}

TEST_P(CoordinateSystemWrite, EllipsoidShapeNeedsAxisAndFlattening) {
    VDXML_COORDINATESYSTEM full = Named(L"full");
    full.Ellipsoid = Wgs84Ellipsoid();
    full.Ellipsoid.Note = L"global";
    VDXML_COORDINATESYSTEM sphere = Named(L"no flattening");
    sphere.Ellipsoid = Wgs84Ellipsoid();
    sphere.Ellipsoid.Flattening = 0;
    VDXML_COORDINATESYSTEM negative = Named(L"negative axis");
    negative.Ellipsoid = Wgs84Ellipsoid();
    negative.Ellipsoid.SemiMajorAxis = -6378137.0;
    for (const auto* cs : {&full, &sphere, &negative}) ASSERT_EQ(Write(*cs), S_OK);
    const XmlTree& app = Written();
    const XmlTree& e = Path(*app.child("CoordinateSystem", 0), "Ellipsoid");
    EXPECT_EQ(e.childNames(), (Names{"Name", "Note", "SemiMajorAxis", "InverseFlattening"}));
    EXPECT_EQ(e.childText("SemiMajorAxis"), "6378137.00000");
    EXPECT_EQ(e.childText("InverseFlattening"), "298.25722356300");
    EXPECT_EQ(Path(*app.child("CoordinateSystem", 1), "Ellipsoid").childNames(), Names{"Name"});
    EXPECT_EQ(Path(*app.child("CoordinateSystem", 2), "Ellipsoid").childNames(), Names{"Name"});
}

TEST_P(CoordinateSystemWrite, UnknownModelCodeFailsAfterItsNumberAndStops) {
    struct Case {
        const char* model;  // the element that fails
        void (*set)(VDXML_COORDINATESYSTEM&);
    };
    const Case cases[] = {
        {"Projection", [](VDXML_COORDINATESYSTEM& cs) { cs.Projection.Type = 50; }},
        {"Projection", [](VDXML_COORDINATESYSTEM& cs) { cs.Projection.Type = 115; }},
        {"GeoidModel", [](VDXML_COORDINATESYSTEM& cs) { cs.GeoidModel.Type = 3; }},
        {"CscsModel", [](VDXML_COORDINATESYSTEM& cs) { cs.CscsModel.Method = 4; }},
        {"CscsModel", [](VDXML_COORDINATESYSTEM& cs) { cs.CscsModel.Interpolation = 5; }},
    };
    for (const Case& c : cases) {
        VDXML_COORDINATESYSTEM cs = Named(L"bad code");
        cs.Projection.Name = L"p";
        cs.GeoidModel.Name = L"g";
        cs.CscsModel.Name = L"c";
        c.set(cs);
        EXPECT_EQ(Write(cs), E_FAIL) << c.model;
    }
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("CoordinateSystem"), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const XmlTree& cs = *app.child("CoordinateSystem", i);
        // The failing model is the last element written.
        EXPECT_EQ(cs.childNames().back(), cases[i].model) << i;
    }
    EXPECT_EQ(Path(*app.child("CoordinateSystem", 0), "Projection").childText("Type"), "50");
    EXPECT_EQ(Path(*app.child("CoordinateSystem", 4), "CscsModel").childNames(),
              (Names{"Name", "InterpolationType"}));
}

TEST_P(CoordinateSystemWrite, FailingTransformationStopsTheSystem) {
    VDXML_COORDINATESYSTEM cs = Named(L"Swiss");
    cs.Transformation.Type = VDXML_TRANSFORMATION_STEPWISE;
    VDXML_TRFSTEP bad;
    bad.StepType = 9;
    cs.Transformation.Steps = {bad};
    cs.Ellipsoid = Wgs84Ellipsoid();
    EXPECT_EQ(Write(cs), E_FAIL);
    Written();
    EXPECT_EQ(Below("CoordinateSystem").childNames(), (Names{"Name", "Transformation"}));
    EXPECT_EQ(Below("CoordinateSystem/Transformation").childNames(), (Names{"Type", "TrfStep"}));
}

TEST_P(CoordinateSystemWrite, ModelWritersOnAnyNode) {
    VDXML_ELLIPSOID unnamed;
    unnamed.SemiMajorAxis = 6378137.0;
    unnamed.Flattening = 1 / 298.257222101;
    VDXML_PROJECTION empty;
    EXPECT_EQ(WriteInto(VdXml::tagEllipsoid,
                        [&](const CVdXmlNode& n) { return n.InsertEllipsoid(unnamed); }),
              S_OK);
    // A model that writes nothing at all is refused.
    EXPECT_EQ(WriteInto(VdXml::tagProjection,
                        [&](const CVdXmlNode& n) { return n.InsertProjection(empty); }),
              E_FAIL);
    EXPECT_EQ(WriteInto(VdXml::tagEllipsoid,
                        [&](const CVdXmlNode& n) { return n.InsertEllipsoid(VDXML_ELLIPSOID()); }),
              E_FAIL);
    Written();
    EXPECT_EQ(Below("Ellipsoid").childNames(), (Names{"SemiMajorAxis", "InverseFlattening"}));
    EXPECT_TRUE(Below("Projection").children.empty());
}

TEST_P(CoordinateSystemWrite, ReaderChecksPresenceOnly) {
    VDXML_COORDINATESYSTEM written = Named(L"Swiss");
    written.Created = 53736.5;
    written.Ellipsoid = Wgs84Ellipsoid();
    ASSERT_EQ(Write(written), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    IXMLDOMDocument2Ptr dom = LoadDom(path());
    VDXML_ELEMENT element = ElementAt(dom, L"Application/CoordinateSystem");
    ASSERT_TRUE(element.Element());
    VDXML_COORDINATESYSTEM read;
    EXPECT_EQ(CVdXmlCoordinateSystem::Read(element, read), S_OK);
    EXPECT_EQ(read.nType, VDXML_TYPE_COORDINATESYSTEM);
    EXPECT_TRUE(read.Name.empty());
    EXPECT_EQ(read.Created, 0.0);
    EXPECT_TRUE(read.Ellipsoid.Name.empty());
    VDXML_ELEMENT missing = ElementAt(dom, L"Application/Nothing");
    EXPECT_EQ(CVdXmlCoordinateSystem::Read(missing, read), E_FAIL);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(CoordinateSystemWrite);
