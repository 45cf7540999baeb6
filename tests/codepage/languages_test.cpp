// Point names in the languages of the offices that choose a code page: written through each
// back end under their own page and under UTF-8, they come back unchanged from the record tree
// (libxml2 decodes the UTF-16 file); a page that lacks a character writes one "?" for it, also
// for a character beyond the Basic Multilingual Plane.
#include <gtest/gtest.h>

#include <vector>

#include "support/document_fixture.h"
#include "vdxml/vdxml.h"

namespace {

using namespace vdxml_test;
using Names = std::vector<std::wstring>;

const std::wstring kCzech = L"Bod \u01581 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148";
const std::wstring kPolish = L"Punkt \u01412 \u017ad\u017ab\u0142o";
const std::wstring kRussian =
    L"\u0422\u043e\u0447\u043a\u0430 3 \u0441\u044a\u0451\u043c\u043a\u0430";
const std::wstring kGreek =
    L"\u03a3\u03b7\u03bc\u03b5\u03af\u03bf 4 \u03a9\u03bc\u03ad\u03b3\u03b1";
const std::wstring kTurkish = L"Nokta 5 \u0130\u011fd\u0131r \u015e";
const std::wstring kLithuanian = L"Ta\u0161kas 6 \u0104\u017euol\u0173";
const std::wstring kLatvian = L"Punkts 7 \u0122\u0113rb\u0161an\u0101s";
const std::wstring kChinese = L"\u70b98 \u6d4b\u91cf";
const std::wstring kBeyondPlane = L"\U0002000B9 \U0001D11E";

// The names of the points written, in order, as the record tree loads them back.
Names WriteAndLoad(const std::string& file, VDXML_CODEPAGE page, IVdXmlDoc::enmDocType type,
                   const Names& names) {
    VDXML_ROOT root = SampleRoot();
    root.CodePage = page;
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(root, type, _bstr_t(file.c_str()), 0), S_OK);
    VDXML_PROJECT project;
    project.Name = names.front();
    CVdXmlProject projectNode;
    EXPECT_EQ(doc.InsertProject(project, projectNode), S_OK);
    for (const std::wstring& name : names) {
        VDXML_POINT point;
        point.Name = name;
        CVdXmlPoint pointNode;
        EXPECT_EQ(pointNode.Create(projectNode, point), S_OK);
    }
    EXPECT_EQ(doc.Save(), S_OK);

    CVdXmlTree tree;
    EXPECT_EQ(tree.Load(file.c_str()), S_OK);
    Names loaded;
    for (int i = 0; tree.GetNode(i); ++i)
        if (tree.GetNode(i)->nType == VDXML_TYPE_POINT)
            loaded.push_back(static_cast<VDXML_POINT*>(tree.GetNode(i))->Name.wstr());
    return loaded;
}

struct Case {
    VDXML_CODEPAGE page;
    Names written, read;
};

TEST(Languages, NamesComeBackFromTheRecordTreeUnderTheirPageAndUtf8) {
    const Names all = {kCzech,      kPolish,  kRussian, kGreek,      kTurkish,
                       kLithuanian, kLatvian, kChinese, kBeyondPlane};
    const Case cases[] = {
        {VDXML_CODEPAGE_1250, {kCzech, kPolish}, {kCzech, kPolish}},
        {VDXML_CODEPAGE_1251, {kRussian}, {kRussian}},
        {VDXML_CODEPAGE_1253, {kGreek}, {kGreek}},
        {VDXML_CODEPAGE_1254, {kTurkish}, {kTurkish}},
        {VDXML_CODEPAGE_1257, {kLithuanian, kLatvian}, {kLithuanian, kLatvian}},
        {VDXML_CODEPAGE_UTF8, all, all},
        // What a page lacks: one "?" per character, a surrogate pair's character included.
        {VDXML_CODEPAGE_1252,
         {L"Bod \u01581", L"\u00e9t\u00e9 \u20ac"},
         {L"Bod ?1", L"\u00e9t\u00e9 \u20ac"}},
        {VDXML_CODEPAGE_1250, {kRussian}, {L"????? 3 ??????"}},
        {VDXML_CODEPAGE_1251, {kChinese, kCzech}, {L"?8 ??", L"Bod ?1 ?lu?ou?k? k??"}},
        {VDXML_CODEPAGE_1253, {kBeyondPlane}, {L"?9 ?"}},
    };
    TempDir dir;
    for (const auto type : {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM}) {
        for (const Case& c : cases) {
            const std::string file = dir.file("names.xml");
            SCOPED_TRACE(testing::Message() << "page " << c.page << ", back end " << type);
            EXPECT_EQ(WriteAndLoad(file, c.page, type, c.written), c.read);
        }
    }
}

}  // namespace
