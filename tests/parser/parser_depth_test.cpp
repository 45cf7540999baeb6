// The walk recurses once per element level. The engine refuses a document nested deeper than
// libxml2's limit (an element with more than 256 enclosing elements), so a file at the limit is
// walked to its bottom and one level more is refused before any notification.
#include "parser/parser_fixture.h"
#include "vdxml/point.h"

using namespace vdxml_test;

namespace {

/// "Company" holding a point whose "Name" is the element `levels` deep (counting "Company").
std::string NestedFile(int levels) {
    const int between = levels - 3;  // "Company", "Pnt" and "Name" are three levels
    std::string xml = "<Company>";
    for (int i = 0; i < between; ++i) xml += "<Level>";
    xml += "<Pnt><Name>Deep</Name></Pnt>";
    for (int i = 0; i < between; ++i) xml += "</Level>";
    return xml + "</Company>";
}

constexpr int kDeepestLevel = 257;  // 256 enclosing elements

using ParserDepth = ParserTest;

TEST_F(ParserDepth, FileAtTheEnginesLimitIsWalkedToTheBottom) {
    std::string deepest;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name == "OnPoint") deepest = t->pPoint->Name.utf8();
    };
    ASSERT_EQ(ParseXml(NestedFile(kDeepestLevel)), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnPoint", "OnPointClose", "OnVdXmlClose"}));
    EXPECT_EQ(log.Entries()[1].slots, kSlotRoot | kSlotPoint);
    EXPECT_EQ(deepest, "Deep");
}

TEST_F(ParserDepth, FileOneLevelBeyondTheLimitIsRefused) {
    EXPECT_EQ(ParseXml(NestedFile(kDeepestLevel + 1)), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ParserDepth, FarDeeperFileIsRefusedWithoutCrashing) {
    EXPECT_EQ(ParseXml(NestedFile(100000)), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

}  // namespace
