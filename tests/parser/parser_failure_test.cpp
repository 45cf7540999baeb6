// What the parser refuses before any notification, and how failures inside the walk skip
// single elements while the rest of the file is still reported.
#include <stdexcept>

#include "parser/parser_fixture.h"
#include "vdxml/engine/factory.h"
#include "vdxml/point.h"

using namespace vdxml_test;

namespace {

using ParserRefuses = ParserTest;

TEST_F(ParserRefuses, ParseWithoutCallback) {
    CVdXmlParser fresh;
    path = WriteXmlFile(dir.path(), "in.xml", "<Company/>");
    EXPECT_EQ(fresh.Parse(path.c_str()), E_FAIL);
    // Clearing the callback again makes the parser refuse as well.
    EXPECT_EQ(parser.SetCallbackInterface(nullptr), S_OK);
    EXPECT_EQ(parser.Parse(path.c_str()), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ParserRefuses, NullOrEmptyFileName) {
    EXPECT_EQ(parser.Parse(nullptr), E_FAIL);
    EXPECT_EQ(parser.Parse(""), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ParserRefuses, MissingFile) {
    EXPECT_EQ(parser.Parse(dir.file("absent.xml").c_str()), E_FAIL);
    EXPECT_EQ(parser.Parse(dir.path().c_str()), E_FAIL);  // a directory
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ParserRefuses, FileThatIsNotWellFormed) {
    // The root and the point would be reported if the walk started before the end was read.
    EXPECT_EQ(ParseXml("<Company><Pnt><Name>P1</Name></Pnt><Project></Company>"), E_FAIL);
    EXPECT_EQ(ParseXml("<Company/><Company/>"), E_FAIL);
    EXPECT_EQ(ParseXml(""), E_FAIL);
    EXPECT_EQ(ParseXml("Company"), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

class ParserEngine : public ParserTest {
  protected:
    void TearDown() override { VdXmlEngine::ResetProgIds(); }
};

TEST_F(ParserEngine, FallsBackToTheVersionIndependentDocument) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    ASSERT_EQ(ParseXml("<Company/>"), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnVdXmlClose"}));
}

TEST_F(ParserEngine, NoDocumentImplementation) {
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument.4.0", false);
    VdXmlEngine::SetProgIdAvailable(L"MsXml2.DomDocument", false);
    EXPECT_EQ(ParseXml("<Company/>"), E_FAIL);
    EXPECT_TRUE(log.Entries().empty());
}

using ParserSkips = ParserTest;

TEST_F(ParserSkips, ElementWhoseReaderFailsIsSkippedWithItsSubtree) {
    std::vector<std::string> points;
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name == "OnPoint") points.push_back(t->pPoint->Name.utf8());
    };
    const std::string broken =
        "<Pnt><Name>P1</Name>" + UnreadableEpochXml() + "<Crd/><Pnt><Name>Inner</Name></Pnt></Pnt>";
    ASSERT_EQ(ParseXml(FileXml(broken + PointXml("P2"))), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnCoord", "OnCoordClose",
                                  "OnPointClose", "OnProjectClose", "OnVdXmlClose"}));
    EXPECT_EQ(points, Names{"P2"});
}

TEST_F(ParserSkips, RootWhoseReaderFailsSkipsTheWholeFile) {
    ASSERT_EQ(ParseXml("<Company><Name xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" "
                       "dt:dt=\"datetime\">9999-12-31T12:00:00</Name>"
                       "<Project><Name>Survey</Name></Project></Company>"),
              S_OK);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ParserSkips, EngineErrorInsideAnElementAbandonsItsRest) {
    // An engine error raised while the first point is open: its coordinate and its close
    // notification are skipped, the second point is reported in full.
    log.onNotice = [](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        if (name == "OnPoint" && t->pPoint->Name == L"P1") throw _com_error(E_FAIL);
    };
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1") + PointXml("P2"))), S_OK);
    EXPECT_EQ(log.Names(),
              (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnPoint", "OnCoord", "OnCoordClose",
                     "OnPointClose", "OnProjectClose", "OnVdXmlClose"}));
    // The abandoned point's record is gone from the table once the walk has left it.
    EXPECT_EQ(log.Entries()[3].slots, kSlotRoot | kSlotProject | kSlotPoint);
    EXPECT_EQ(log.Entries()[6].slots, kSlotRoot | kSlotProject | kSlotPoint);
}

TEST_F(ParserSkips, EngineErrorInACloseNotificationKeepsTheWalkGoing) {
    log.onNotice = [](const std::string& name, VdXml::_CURRENCYTABLE*) {
        if (name == "OnCoordClose") throw _com_error(E_OUTOFMEMORY);
    };
    ASSERT_EQ(ParseXml(FileXml(PointXml("P1") + PointXml("P2"))), S_OK);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnCoord", "OnCoordClose",
                                  "OnPointClose", "OnPoint", "OnCoord", "OnCoordClose",
                                  "OnPointClose", "OnProjectClose", "OnVdXmlClose"}));
}

TEST_F(ParserSkips, OtherExceptionFromACallbackEndsTheParse) {
    log.onNotice = [](const std::string& name, VdXml::_CURRENCYTABLE*) {
        if (name == "OnCoord") throw std::runtime_error("callback gave up");
    };
    EXPECT_EQ(ParseXml(FileXml(PointXml("P1") + PointXml("P2"))), E_FAIL);
    EXPECT_EQ(log.Names(), (Names{"OnVdXmlBegin", "OnProject", "OnPoint", "OnCoord"}));
    // The records that were open are freed (the leak checker would tell) and the parser
    // starts from an empty table next time.
    log.Clear();
    log.onNotice = nullptr;
    ASSERT_EQ(ParseXml("<Company/>"), S_OK);
    EXPECT_EQ(log.Entries()[0].slots, kSlotRoot);
}

}  // namespace
