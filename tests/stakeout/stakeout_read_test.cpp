// Read of a stakeout: it reads nothing from the file and checks the map it is given.
#include <gtest/gtest.h>

#include "stakeout_samples.h"
#include "support/dom_helpers.h"
#include "vdxml/appl_stakeout.h"

using namespace vdxml_test;

namespace {
long Read(VDXML_STAKEOUT_MAP designs) {
    IXMLDOMDocument2Ptr dom = LoadDomXml(L"<Stakeout><Staked/></Stakeout>");
    VDXML_ELEMENT element = ElementAt(dom, L"");
    const std::size_t size = designs.size();
    const long hr = CVdXmlApplStakeout::Read(element, designs);
    EXPECT_EQ(designs.size(), size);  // the map is left as it was
    return hr;
}
}  // namespace

TEST(StakeoutRead, ChecksEveryDesignAndItsFirstResultOnly) {
    EXPECT_EQ(Read({}), S_OK);
    EXPECT_EQ(
        Read({{Design(L"D1"), {Result(L"R1"), Result(L"")}}, {Design(L"D2"), {Result(L"R")}}}),
        S_OK);

    VDXML_STAKEOUT_DESIGN noType = Design(L"D1");
    noType.Coord.Type = VDXML_COORD_TYPE_NONE;
    VDXML_STAKEOUT_RESULT noValue = Result(L"R1");
    noValue.Coord.Wgs84Llh.Flags = 0;
    const VDXML_STAKEOUT_MAP failing[] = {
        {{Design(L"D1", VDXML_PNT_CLASS_NONE), {Result(L"R1")}}},
        {{noType, {Result(L"R1")}}},
        {{Design(L"D1"), {}}},
        {{Design(L"D1"), {noValue, Result(L"R2")}}},
        {{Design(L"D1"), {Result(L"R1")}}, {Design(L"D2"), {}}},  // not only the first design
    };
    for (std::size_t i = 0; i < std::size(failing); ++i) EXPECT_EQ(Read(failing[i]), E_FAIL) << i;

    VDXML_ELEMENT empty;
    VDXML_STAKEOUT_MAP designs;
    EXPECT_EQ(CVdXmlApplStakeout::Read(empty, designs), E_FAIL);
}
