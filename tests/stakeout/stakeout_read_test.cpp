// Read of a stakeout: it reads nothing from the file and checks the map it is given.
#include <gtest/gtest.h>

#include "stakeout_samples.h"
#include "support/dom_helpers.h"
#include "vdxml/appl_stakeout.h"

using namespace vdxml_test;

class StakeoutRead : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dom = LoadDomXml(L"<Stakeout><Staked><Pnt><Name>X</Name></Pnt></Staked></Stakeout>");
        ASSERT_TRUE(m_dom);
        m_element = ElementAt(m_dom, L"");
    }
    long Read(VDXML_STAKEOUT_MAP designs) {
        const VDXML_STAKEOUT_MAP before = designs;
        const long hr = CVdXmlApplStakeout::Read(m_element, designs);
        // Whatever the result, the map is left as it was.
        EXPECT_EQ(designs.size(), before.size());
        for (auto a = designs.cbegin(), b = before.cbegin(); a != designs.cend(); ++a, ++b) {
            EXPECT_EQ(a->first.Point.Name, b->first.Point.Name);
            EXPECT_EQ(a->second.size(), b->second.size());
        }
        return hr;
    }

    IXMLDOMDocument2Ptr m_dom;
    VDXML_ELEMENT m_element;
};

TEST_F(StakeoutRead, CompleteDesignsPassAndTheFileIsNotRead) {
    EXPECT_EQ(Read({}), S_OK);
    VDXML_STAKEOUT_RESULT incomplete = Result(L"");
    // Only the first result of each design is checked.
    EXPECT_EQ(
        Read({{Design(L"D1"), {Result(L"R1"), incomplete}}, {Design(L"D2"), {Result(L"R2")}}}),
        S_OK);
}

TEST_F(StakeoutRead, EachIncompleteDesignFails) {
    VDXML_STAKEOUT_DESIGN noType = Design(L"D1");
    noType.Coord.Type = VDXML_COORD_TYPE_NONE;
    VDXML_STAKEOUT_RESULT noValue = Result(L"R1");
    noValue.Coord.Wgs84Llh.Flags = 0;
    VDXML_STAKEOUT_RESULT noClass = Result(L"R1");
    noClass.Point.Class = VDXML_PNT_CLASS_NONE;
    const VDXML_STAKEOUT_MAP cases[] = {
        {{Design(L"D1", VDXML_PNT_CLASS_NONE), {Result(L"R1")}}},
        {{noType, {Result(L"R1")}}},
        {{Design(L"D1"), {}}},
        {{Design(L"D1"), {noValue, Result(L"R2")}}},
        {{Design(L"D1"), {noClass}}},
        {{Design(L"D1"), {Result(L"R1")}}, {Design(L"D2"), {}}},  // not only the first design
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(Read(cases[i]), E_FAIL) << i;
}

TEST(StakeoutReadElement, EmptyHandleIsRefused) {
    VDXML_ELEMENT empty;
    VDXML_STAKEOUT_MAP designs;
    EXPECT_EQ(CVdXmlApplStakeout::Read(empty, designs), E_FAIL);
}
