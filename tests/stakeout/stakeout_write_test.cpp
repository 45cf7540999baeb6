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
    /// After Written(): the i-th "Staked" of the first stakeout.
    const XmlTree& Staked(std::size_t i) const {
        static const XmlTree kNone;
        const XmlTree* s = Below("Stakeout").child("Staked", i);
        EXPECT_NE(s, nullptr) << "Staked #" << i;
        return s ? *s : kNone;
    }

    CVdXmlApplStakeout m_stakeout;
};

TEST_P(StakeoutWrite, EmptyMapWritesAnEmptyStakeout) {
    EXPECT_EQ(Write({}), S_OK);
    Written();
    EXPECT_TRUE(Below("Stakeout").childNames().empty());
}

TEST_P(StakeoutWrite, ParentWithoutDocumentIsRefused) {
    CVdXmlNode orphan;
    EXPECT_EQ(m_stakeout.Create(orphan, {{Design(L"D1"), {Result(L"R1")}}}), E_FAIL);
    EXPECT_EQ(Written().count("Stakeout"), 0u);
}

TEST_P(StakeoutWrite, DesignWithResultsInLayoutOrder) {
    ASSERT_EQ(Write({{Design(L"D1"), {Result(L"R1")}}}), S_OK);
    Written();
    const XmlTree& staked = Staked(0);
    EXPECT_EQ(staked.childNames(), (Names{"Pnt", "ResultInfo"}));
    EXPECT_EQ(staked.child("Pnt")->childText("Name"), "D1");
    EXPECT_EQ(staked.child("Pnt")->childText("Cl"), "8");
    EXPECT_EQ(Path(staked, "Pnt/Crd/Lcl/ENH").childText("E"), "1000.00000");

    const XmlTree& info = *staked.child("ResultInfo");
    EXPECT_EQ(info.childNames(),
              (Names{"Pnt", "DCrd", "HgtModel", "Type", "CoordDiff1D", "CoordDiff2D", "CoordDiff3D",
                     "DiffInOut", "DiffLeftRight", "HgtOffset"}));
    EXPECT_EQ(info.child("Pnt")->childText("Name"), "R1");
    EXPECT_EQ(Path(info, "Pnt/Crd/W84/LLH").childText("HE"), "352.50000");
    EXPECT_EQ(Path(info, "DCrd/Lcl/DENH").childText("DE"), "0.01200");
    EXPECT_EQ(info.childText("HgtModel"), "2");
    EXPECT_EQ(info.childText("Type"), "2");
    EXPECT_EQ(info.childText("CoordDiff1D"), "0.00400");
    EXPECT_EQ(info.childText("CoordDiff2D"), "0.01440");
    EXPECT_EQ(info.childText("DiffInOut"), "-0.01000");
    EXPECT_EQ(info.childText("HgtOffset"), "0.12500");
}

TEST_P(StakeoutWrite, UnflaggedDifferencesAndCodesZeroAreLeftOut) {
    VDXML_STAKEOUT_RESULT r = Result(L"R1");
    r.Flags = VDXML_STAKEOUT_RESULT::flagCoordDiff3D | VDXML_STAKEOUT_RESULT::flagDiffLeftRight;
    r.HgtModel = VDXML_STAKEOUT_HGTMODEL_NOT_GIVEN;
    r.Type = VDXML_STAKEOUT_CUTFILL_NONE;
    ASSERT_EQ(Write({{Design(L"D1"), {r}}}), S_OK);
    Written();
    EXPECT_EQ(Staked(0).child("ResultInfo")->childNames(),
              (Names{"Pnt", "DCrd", "CoordDiff3D", "DiffLeftRight"}));
}

TEST_P(StakeoutWrite, DesignsWithoutNameOrClassAreSkipped) {
    VDXML_STAKEOUT_DESIGN unnamed = Design(L"");
    unnamed.Point.Note = L"no name";
    ASSERT_EQ(Write({{Design(L"A", VDXML_PNT_CLASS_NONE), {Result(L"R1")}},
                     {unnamed, {Result(L"R2")}},
                     {Design(L"B"), {}}}),
              S_OK);
    Written();
    ASSERT_EQ(Below("Stakeout").count("Staked"), 1u);
    // A design without results: its point and coordinate only.
    EXPECT_EQ(Staked(0).childNames(), Names{"Pnt"});
    EXPECT_EQ(Staked(0).child("Pnt")->childText("Name"), "B");
    EXPECT_EQ(Staked(0).child("Pnt")->count("Crd"), 1u);
}

TEST_P(StakeoutWrite, IncompleteResultsAreSkipped) {
    VDXML_STAKEOUT_RESULT unnamed = Result(L"");
    VDXML_STAKEOUT_RESULT noClass = Result(L"R2");
    noClass.Point.Class = VDXML_PNT_CLASS_NONE;
    VDXML_STAKEOUT_RESULT qualityOnly = Result(L"R3");  // quality is not a value
    qualityOnly.Coord.Wgs84Llh.Flags = VDXML_GEODETIC::flagQlty;
    VDXML_STAKEOUT_RESULT gridHeight = Result(L"R4");
    gridHeight.Coord.Wgs84Llh.Flags = 0;
    gridHeight.Coord.LocalEnh.Flags = VDXML_GRID::flagHO;
    VDXML_STAKEOUT_RESULT cartesian = Result(L"R5");
    cartesian.Coord.Wgs84Llh.Flags = 0;
    cartesian.Coord.LocalXyz.Flags = VDXML_CARTESIAN::flagXyz;
    ASSERT_EQ(Write({{Design(L"D1"),
                      {unnamed, noClass, qualityOnly, Result(L"R1"), gridHeight, cartesian}}}),
              S_OK);
    Written();
    const XmlTree& staked = Staked(0);
    ASSERT_EQ(staked.count("ResultInfo"), 3u);
    const char* names[] = {"R1", "R4", "R5"};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(staked.child("ResultInfo", i)->child("Pnt")->childText("Name"), names[i]);
}

TEST_P(StakeoutWrite, FailingResultAbandonsOnlyItself) {
    VDXML_STAKEOUT_RESULT unknownType = Result(L"R1");
    unknownType.Type = 4;
    VDXML_STAKEOUT_RESULT unknownModel = Result(L"R3");
    unknownModel.HgtModel = 3;
    // The last operation decides the result: a good result after the failure hides it.
    EXPECT_EQ(Write({{Design(L"D1"), {unknownType, Result(L"R2")}}}), S_OK);
    EXPECT_EQ(Write({{Design(L"D2"), {Result(L"R2"), unknownModel}}}), E_FAIL);
    const XmlTree& app = Written();
    ASSERT_EQ(app.count("Stakeout"), 2u);
    const XmlTree& first = *app.child("Stakeout", 0)->child("Staked");
    ASSERT_EQ(first.count("ResultInfo"), 2u);
    EXPECT_EQ(first.child("ResultInfo", 0)->childNames(),
              (Names{"Pnt", "DCrd", "HgtModel", "Type"}));
    EXPECT_EQ(first.child("ResultInfo", 0)->childText("Type"), "4");
    EXPECT_EQ(first.child("ResultInfo", 1)->childNames().size(), 10u);
    const XmlTree& second = *app.child("Stakeout", 1)->child("Staked");
    EXPECT_EQ(second.child("ResultInfo", 1)->childNames(), (Names{"Pnt", "DCrd", "HgtModel"}));
}

TEST_P(StakeoutWrite, FailingDesignAbandonsOnlyItself) {
    // Class 99 has no text: the design's "Pnt" fails after "Cl", its results are not written.
    EXPECT_EQ(Write({{Design(L"A", 99), {Result(L"R1")}}, {Design(L"B"), {Result(L"R2")}}}), S_OK);
    Written();
    EXPECT_EQ(Staked(0).childNames(), Names{"Pnt"});
    EXPECT_EQ(Staked(0).child("Pnt")->childNames(), (Names{"Name", "Cl"}));
    EXPECT_EQ(Staked(1).childNames(), (Names{"Pnt", "ResultInfo"}));
}

TEST_P(StakeoutWrite, DesignsInTheOrderOfTheirNamesAndNoneLost) {
    VDXML_STAKEOUT_DESIGN secondA = Design(L"A");
    secondA.Point.Epoch = 53736.0;  // same name, another epoch: a design of its own
    const VDXML_STAKEOUT_MAP designs = {
        {Design(L"P9"), {Result(L"R9")}},
        {Design(L"A"), {Result(L"RA")}},
        {secondA, {Result(L"RA2")}},
        {Design(L"P10"), {Result(L"R10")}},
    };
    ASSERT_EQ(designs.size(), 4u);
    CVdXmlNode parent;
    ASSERT_EQ(parent.Create(Application(), _bstr_t(L"Stakeouts"), nullptr), S_OK);
    ASSERT_EQ(parent.InsertStakeout(designs, m_stakeout), S_OK);
    Written();
    const XmlTree& stakeout = Path(Below("Stakeouts"), "Stakeout");
    ASSERT_EQ(stakeout.count("Staked"), 4u);
    // The epoch is unset (the largest number) in the first "A": the dated one comes first.
    const char* results[] = {"RA2", "RA", "R10", "R9"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(Path(*stakeout.child("Staked", i), "ResultInfo/Pnt").childText("Name"),
                  results[i]);
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
