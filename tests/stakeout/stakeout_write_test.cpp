// Writing stakeouts: designs and complete results in order, what is skipped, and how a
// failure abandons only its design or result.
#include <gtest/gtest.h>

#include "stakeout_samples.h"
#include "support/application_fixture.h"
#include "vdxml/appl_stakeout.h"

using namespace vdxml_test;

class StakeoutWrite : public ApplicationTest {
  protected:
    long Write(const VDXML_STAKEOUT_MAP& designs) {
        return m_stakeout.Create(Application(), designs);
    }
    /// After Written(): the i-th "Staked" of the n-th stakeout.
    const XmlTree& Staked(std::size_t i, std::size_t n = 0) const {
        return *Below("").child("Stakeout", n)->child("Staked", i);
    }
    /// The name of the point of the i-th result of staked.
    static std::string ResultName(const XmlTree& staked, std::size_t i) {
        return staked.child("ResultInfo", i)->child("Pnt")->childText("Name");
    }

    CVdXmlApplStakeout m_stakeout;
};

TEST_P(StakeoutWrite, EmptyMapAndParentWithoutDocument) {
    EXPECT_EQ(Write({}), S_OK);
    CVdXmlNode orphan;
    EXPECT_EQ(m_stakeout.Create(orphan, {{Design(L"D1"), {Result(L"R1")}}}), E_FAIL);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Stakeout"), 1u);
    EXPECT_TRUE(app.child("Stakeout")->childNames().empty());
}

TEST_P(StakeoutWrite, DesignWithResultInLayoutOrder) {
    VDXML_STAKEOUT_RESULT few = Result(L"R2");  // unflagged differences and codes 0 left out
    few.Flags = VDXML_STAKEOUT_RESULT::flagCoordDiff3D | VDXML_STAKEOUT_RESULT::flagDiffLeftRight;
    few.HgtModel = few.Type = 0;
    ASSERT_EQ(Write({{Design(L"D1"), {Result(L"R1"), few}}}), S_OK);
    Written();
    const XmlTree& staked = Staked(0);
    EXPECT_EQ(staked.childNames(), (Names{"Pnt", "ResultInfo", "ResultInfo"}));
    EXPECT_EQ(staked.child("Pnt")->childText("Name"), "D1");
    EXPECT_EQ(Path(staked, "Pnt/Crd/Lcl/ENH").childText("E"), "1000.00000");
    const XmlTree& info = *staked.child("ResultInfo");
    EXPECT_EQ(info.childNames(),
              (Names{"Pnt", "DCrd", "HgtModel", "Type", "CoordDiff1D", "CoordDiff2D", "CoordDiff3D",
                     "DiffInOut", "DiffLeftRight", "HgtOffset"}));
    EXPECT_EQ(Path(info, "Pnt/Crd/W84/LLH").childText("HE"), "352.50000");
    EXPECT_EQ(Path(info, "DCrd/Lcl/DENH").childText("DE"), "0.01200");
    EXPECT_EQ(info.childText("HgtModel"), "2");  // "DTM"
    EXPECT_EQ(info.childText("Type"), "2");      // "Fill"
    EXPECT_EQ(info.childText("CoordDiff2D"), "0.01440");
    EXPECT_EQ(info.childText("DiffInOut"), "-0.01000");
    EXPECT_EQ(staked.child("ResultInfo", 1)->childNames(),
              (Names{"Pnt", "DCrd", "CoordDiff3D", "DiffLeftRight"}));
}

TEST_P(StakeoutWrite, IncompleteDesignsAndResultsAreSkipped) {
    VDXML_STAKEOUT_RESULT noName = Result(L""), noClass = Result(L"R2"),
                          qualityOnly = Result(L"R3"), gridHeight = Result(L"R4"),
                          cartesian = Result(L"R5");
    noClass.Point.Class = VDXML_PNT_CLASS_NONE;
    qualityOnly.Coord.Wgs84Llh.Flags = VDXML_GEODETIC::flagQlty;  // quality is not a value
    gridHeight.Coord.Wgs84Llh.Flags = cartesian.Coord.Wgs84Llh.Flags = 0;
    gridHeight.Coord.LocalEnh.Flags = VDXML_GRID::flagHO;
    cartesian.Coord.LocalXyz.Flags = VDXML_CARTESIAN::flagXyz;
    ASSERT_EQ(
        Write({{Design(L"A", VDXML_PNT_CLASS_NONE), {Result(L"R0")}},
               {Design(L""), {Result(L"R0")}},
               {Design(L"B"), {noName, noClass, qualityOnly, Result(L"R1"), gridHeight, cartesian}},
               {Design(L"C"), {}}}),
        S_OK);
    const XmlTree& app = Written();
    ASSERT_EQ(app.child("Stakeout")->count("Staked"), 2u);
    const XmlTree& b = Staked(0);
    ASSERT_EQ(b.count("ResultInfo"), 3u);
    EXPECT_EQ(ResultName(b, 0), "R1");
    EXPECT_EQ(ResultName(b, 1), "R4");
    EXPECT_EQ(ResultName(b, 2), "R5");
    // A design without results: its point with the coordinate only.
    EXPECT_EQ(Staked(1).childNames(), Names{"Pnt"});
    EXPECT_EQ(Staked(1).child("Pnt")->count("Crd"), 1u);
}

TEST_P(StakeoutWrite, FailureAbandonsOnlyItsDesignOrResult) {
    VDXML_STAKEOUT_RESULT unknownType = Result(L"R1");
    unknownType.Type = 4;
    VDXML_STAKEOUT_RESULT unknownModel = Result(L"R3");
    unknownModel.HgtModel = 3;
    // The last operation decides the result: what comes after a failure hides it.
    EXPECT_EQ(Write({{Design(L"A", 99), {Result(L"R0")}},  // class without text
                     {Design(L"B"), {unknownType, Result(L"R2")}}}),
              S_OK);
    EXPECT_EQ(Write({{Design(L"D"), {Result(L"R2"), unknownModel}}}), E_FAIL);
    Written();
    EXPECT_EQ(Staked(0).childNames(), Names{"Pnt"});
    EXPECT_EQ(Staked(0).child("Pnt")->childNames(), (Names{"Name", "Cl"}));
    const XmlTree& b = Staked(1);
    EXPECT_EQ(b.child("ResultInfo", 0)->childNames(), (Names{"Pnt", "DCrd", "HgtModel", "Type"}));
    EXPECT_EQ(b.child("ResultInfo", 0)->childText("Type"), "4");
    EXPECT_EQ(b.child("ResultInfo", 1)->childNames().size(), 10u);
    EXPECT_EQ(Staked(0, 1).child("ResultInfo", 1)->childNames(),
              (Names{"Pnt", "DCrd", "HgtModel"}));
}

TEST_P(StakeoutWrite, DesignsInTheOrderOfTheirNamesAndNoneLost) {
    VDXML_STAKEOUT_DESIGN datedA = Design(L"A");
    datedA.Point.Epoch = 53736.0;  // same name, another epoch: a design of its own
    const VDXML_STAKEOUT_MAP designs = {{Design(L"P9"), {Result(L"R9")}},
                                        {Design(L"A"), {Result(L"RA")}},
                                        {datedA, {Result(L"RA2")}},
                                        {Design(L"P10"), {Result(L"R10")}}};
    CVdXmlNode parent;
    ASSERT_EQ(parent.Create(Application(), _bstr_t(L"Stakeouts"), nullptr), S_OK);
    ASSERT_EQ(parent.InsertStakeout(designs, m_stakeout), S_OK);
    Written();
    const XmlTree& stakeout = Below("Stakeouts/Stakeout");
    ASSERT_EQ(stakeout.count("Staked"), 4u);
    // An unset epoch is the largest number: the dated "A" comes first.
    const char* results[] = {"RA2", "RA", "R10", "R9"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ResultName(*stakeout.child("Staked", i), 0), results[i]);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(StakeoutWrite);

TEST(StakeoutBackEnds, WriteTheSameTree) {
    VDXML_STAKEOUT_RESULT failing = Result(L"R3");
    failing.Type = 4;
    const VDXML_STAKEOUT_MAP designs = {
        {Design(L"D1"), {Result(L"R1"), failing, Result(L"R2")}},
        {Design(L"D2", 99), {Result(L"R4")}},
        {Design(L"D3"), {}},
    };
    const XmlTree app = ExpectSameOnBothBackEnds([&](const CVdXmlNode& application) {
        CVdXmlApplStakeout stakeout;
        EXPECT_EQ(stakeout.Create(application, designs), S_OK);
    });
    EXPECT_EQ(Path(app, "Stakeout").count("Staked"), 3u);
}
