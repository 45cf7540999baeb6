// Writing transformation residuals: the dimension rule, source and target only with
// coordinates, the residual blocks with the dimension of their quality, the child-node table,
// failures that stop the element, and the presence check of the reader.
#include <gtest/gtest.h>

#include "support/dom_helpers.h"
#include "trf_fixture.h"

using namespace vdxml_test;

namespace {

VDXML_CARTESIAN Xyz(std::uint8_t flags) {
    VDXML_CARTESIAN c;
    c.Flags = flags;
    c.X = 4303123.123456;
    c.Qlty = Cofactors(1.0, 0.0004, 0.0009, 0.0016);
    return c;
}

VDXML_GRID Enh(std::uint8_t flags) {
    VDXML_GRID g;
    g.Flags = flags;
    g.E = 600123.456789;
    g.Qlty = Cofactors(2.0, 0.0001, 0.0004, 0.0009);
    return g;
}

VDXML_RESIDUAL_GRID ResidualGrid(std::uint8_t flags) {
    VDXML_RESIDUAL_GRID g;
    g.Flags = flags;
    g.DE = 0.0123456;
    g.DHO = -0.0075;
    g.Qlty = Cofactors(1.0, 0.0001, 0.0004, 0.0009);
    return g;
}

}  // namespace

class TrfResidualWrite : public TrfTest {
  protected:
    long Write(const VDXML_TRFRESIDUAL& r) {
        return Application().InsertTrfResidual(r, m_residual);
    }
    /// After Written(): the index-th residual's element at path.
    const XmlTree& Nth(std::size_t index, const std::string& path = "") {
        return BelowNth("TrfResidual", index, path);
    }

    CVdXmlTrfResidual m_residual;
};

TEST_P(TrfResidualWrite, DimensionOutsideOneToThreeIsRefusedBeforeWriting) {
    for (int type : {0, 4, -1}) {
        VDXML_TRFRESIDUAL r = Residual(static_cast<VDXML_COORD::enmType>(type), 0x10);
        EXPECT_EQ(Write(r), E_FAIL) << type;
    }
    CVdXmlNode orphan;
    EXPECT_EQ(m_residual.Create(orphan, Residual(VDXML_COORD_TYPE_3D)), E_FAIL);
    EXPECT_EQ(Written().count("TrfResidual"), 0u);
}

TEST_P(TrfResidualWrite, NameOrCoordinatesAloneGiveNoSourceOrTarget) {
    VDXML_TRFRESIDUAL names = Residual(VDXML_COORD_TYPE_2D, 0x0C);
    names.SourceName = L"CP1";
    names.SourceXyz = Xyz(0x10);  // quality alone is no coordinate
    VDXML_TRFRESIDUAL coordinates = Residual(VDXML_COORD_TYPE_2D);
    coordinates.SourceXyz = Xyz(0x01);
    coordinates.TargetEnh = Enh(0x01);
    ASSERT_EQ(Write(names), S_OK);
    ASSERT_EQ(Write(coordinates), S_OK);
    for (int n = CVdXmlTrfResidual::NODE_SOURCE; n <= CVdXmlTrfResidual::NODE_DCRD; ++n)
        EXPECT_EQ(m_residual.GetNode(static_cast<CVdXmlTrfResidual::enmNode>(n)), nullptr) << n;
    Written();
    EXPECT_EQ(Nth(0).childNames(), Names{"Type"});
    EXPECT_EQ(Nth(0).childText("Type"), "2");
    EXPECT_EQ(Nth(1).childNames(), Names{"Type"});
}

TEST_P(TrfResidualWrite, SourceAndTargetWithTheirBlocksAndQuality) {
    VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_3D, 0x0C);
    r.SourceName = L"CP1";
    r.SourceXyz = Xyz(0x11);
    r.SourceEnh = Enh(0x17);
    r.TargetName = L"CP1 local";
    r.TargetEnh = Enh(0x15);
    ASSERT_EQ(Write(r), S_OK);
    EXPECT_NE(m_residual.GetNode(CVdXmlTrfResidual::NODE_SOURCE_CRD), nullptr);
    EXPECT_NE(m_residual.GetNode(CVdXmlTrfResidual::NODE_TARGET_CRD), nullptr);
    EXPECT_EQ(m_residual.GetNode(CVdXmlTrfResidual::NODE_DCRD), nullptr);
    Written();
    EXPECT_EQ(Nth(0).childNames(), (Names{"Type", "Source", "Target"}));
    EXPECT_EQ(Nth(0, "Source").childNames(), (Names{"Name", "Crd"}));
    EXPECT_EQ(Nth(0, "Source").childText("Name"), "CP1");
    EXPECT_EQ(Nth(0, "Source/Crd").childNames(), (Names{"XYZ", "ENH"}));
    const XmlTree& xyz = Nth(0, "Source/Crd/XYZ");
    EXPECT_EQ(xyz.childNames(), (Names{"X", "Y", "Z", "Qlty"}));
    EXPECT_EQ(xyz.childText("X"), "4303123.12346");
    // The coordinate quality writer: all cofactors, deviations scaled by M0 and marked.
    EXPECT_EQ(Path(xyz, "Qlty").count("Q13"), 1u);
    EXPECT_TRUE(IsComputed(Path(xyz, "Qlty/Sd1")));
    EXPECT_EQ(Nth(0, "Source/Crd/ENH/Qlty").childText("Sd2"), "0.04000");  // sqrt(0.0004) * 2
    EXPECT_EQ(Nth(0, "Target").childText("Name"), "CP1 local");
    EXPECT_EQ(Nth(0, "Target/Crd").childNames(), Names{"ENH"});
    EXPECT_EQ(Nth(0, "Target/Crd/ENH").childNames(), (Names{"E", "N", "HO", "Qlty"}));
}

TEST_P(TrfResidualWrite, ResidualBlocksAndDistance) {
    VDXML_TRFRESIDUAL all = Residual(VDXML_COORD_TYPE_3D, 0x13);
    all.ResidualXyz.Flags = 0x11;
    all.ResidualXyz.DX = 0.0012345;
    all.ResidualEnh = ResidualGrid(0x07);
    all.DDistance = 0.0156789;
    VDXML_TRFRESIDUAL distance = Residual(VDXML_COORD_TYPE_2D, 0x10);
    ASSERT_EQ(Write(all), S_OK);
    EXPECT_NE(m_residual.GetNode(CVdXmlTrfResidual::NODE_DCRD), nullptr);
    ASSERT_EQ(Write(distance), S_OK);
    Written();
    const XmlTree& d = Nth(0, "DCrd");
    EXPECT_EQ(d.childNames(), (Names{"DXYZ", "DENH", "DDistance"}));
    EXPECT_EQ(Path(d, "DXYZ").childNames(), (Names{"DX", "DY", "DZ", "Qlty"}));
    EXPECT_EQ(Path(d, "DXYZ/Qlty").count("Q13"), 1u);  // three-dimensional
    EXPECT_EQ(Path(d, "DXYZ").childText("DX"), "0.00123");
    EXPECT_EQ(Path(d, "DENH").childNames(), (Names{"DE", "DN", "DHE", "DHO"}));
    EXPECT_EQ(Path(d, "DENH").childText("DE"), "0.01235");
    EXPECT_EQ(Path(d, "DENH").childText("DHO"), "-0.00750");
    EXPECT_EQ(d.childText("DDistance"), "0.01568");
    EXPECT_EQ(Nth(1, "DCrd").childNames(), Names{"DDistance"});
}

TEST_P(TrfResidualWrite, GridQualityDimensionFollowsItsValues) {
    struct Case {
        std::uint8_t flags;
        Names quality;
    };
    const Case cases[] = {
        {0x11, {"M0", "Q11", "Q12", "Q22", "Sd1", "Sd2"}},
        {0x13, {"M0", "Q11", "Q12", "Q13", "Q22", "Q23", "Q33", "Sd1", "Sd2", "Sd3"}},
        {0x12, {"M0", "Q33", "Sd3"}},
    };
    for (const Case& c : cases) {
        VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_1D, 0x06);
        r.SourceName = L"CP";
        r.SourceEnh = Enh(c.flags);
        r.ResidualEnh = ResidualGrid(c.flags);
        ASSERT_EQ(Write(r), S_OK) << int(c.flags);
    }
    Written();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Nth(i, "Source/Crd/ENH/Qlty").childNames(), cases[i].quality) << i;
        EXPECT_EQ(Nth(i, "DCrd/DENH/Qlty").childNames(), cases[i].quality) << i;
    }
    // A height residual alone: "DHE" and its one-dimensional quality.
    EXPECT_EQ(Nth(2, "DCrd/DENH").childNames(), (Names{"DHE", "Qlty"}));
    EXPECT_EQ(Nth(2, "DCrd/DENH/Qlty").childText("Sd3"), "0.03000");
}

TEST_P(TrfResidualWrite, FlaggedResidualWithoutValuesFailsAndStops) {
    // The block element of the failing residual stays, empty; "DDistance" is never reached.
    struct Case {
        std::uint8_t flags;
        std::uint8_t xyzFlags;
        std::uint8_t enhFlags;
        Names written;
    };
    const Case cases[] = {
        {0x13, 0x10, 0x07, {"DXYZ"}},          // quality but no DX, DY, DZ
        {0x13, 0x01, 0x10, {"DXYZ", "DENH"}},  // grid quality but no grid values
        {0x12, 0x00, 0x00, {"DENH"}},          // grid residual without any flag
    };
    for (const Case& c : cases) {
        VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_3D, c.flags);
        r.ResidualXyz.Flags = c.xyzFlags;
        r.ResidualEnh = ResidualGrid(c.enhFlags);
        EXPECT_EQ(Write(r), E_FAIL) << int(c.flags);
    }
    Written();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Nth(i, "DCrd").childNames(), cases[i].written) << i;
        EXPECT_TRUE(Path(Nth(i, "DCrd"), cases[i].written.back()).children.empty()) << i;
    }
}

TEST_P(TrfResidualWrite, ReaderChecksPresenceOnly) {
    VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_2D, 0x10);
    r.DDistance = 0.5;
    ASSERT_EQ(Write(r), S_OK);
    ASSERT_EQ(doc.Save(), S_OK);
    IXMLDOMDocument2Ptr dom = LoadDom(path());
    VDXML_ELEMENT element = ElementAt(dom, L"Application/TrfResidual");
    ASSERT_TRUE(element.Element());
    VDXML_TRFRESIDUAL read;
    EXPECT_EQ(CVdXmlTrfResidual::Read(element, read), S_OK);
    EXPECT_EQ(read.nType, VDXML_TYPE_TRFRESIDUAL);
    EXPECT_EQ(read.Type, VDXML_COORD_TYPE_NONE);
    EXPECT_EQ(read.Flags, 0);
    EXPECT_EQ(read.DDistance, 0.0);
    VDXML_ELEMENT missing;
    EXPECT_EQ(CVdXmlTrfResidual::Read(missing, read), E_FAIL);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TrfResidualWrite);
