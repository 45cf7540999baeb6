// A large document through the streaming back end: only the names of the open elements are
// held, however many elements are written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "stream/stream_test_util.h"
#include "support/document_fixture.h"

namespace {

using vdxml_test::LoadXmlTree;
using vdxml_test::SampleRoot;
using vdxml_test::TempDir;
using vdxml_test::XmlTree;

TEST(StreamLarge, HundredThousandElementsKeepOnlyTheOpenNames) {
    constexpr long kPoints = 50000;  // each point holds one entry: 100 000 elements
    TempDir dir;
    const std::string path = dir.file("large.xml");
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path), 0), S_OK);
    const CVdXmlStreamDoc* backEnd = vdxml_test::StreamBackEnd(doc);
    ASSERT_NE(backEnd, nullptr);

    CVdXmlNode points;
    ASSERT_EQ(points.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Points", nullptr),
              S_OK);
    std::size_t deepest = 0;
    for (long i = 0; i < kPoints; ++i) {
        CVdXmlNode point;
        ASSERT_EQ(point.Create(points, L"Point", nullptr), S_OK);
        ASSERT_EQ(point.InsertEntry(L"Number", i), S_OK);
        deepest = std::max(deepest, backEnd->GetOpenDepth());
    }
    // Company, Application, Points, Point, Number: never more, whatever came before.
    EXPECT_EQ(deepest, 5u);
    EXPECT_EQ(backEnd->GetOpenDepth(), 5u);
    ASSERT_EQ(doc.Save(), S_OK);
    EXPECT_EQ(backEnd->GetOpenDepth(), 0u);

    const XmlTree tree = LoadXmlTree(path);
    const XmlTree& written = *tree.child("Application")->child("Points");
    ASSERT_EQ(written.count("Point"), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(written.children.front().childText("Number"), "0");
    EXPECT_EQ(written.children.back().childText("Number"), std::to_string(kPoints - 1));
}

}  // namespace
