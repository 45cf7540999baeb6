// Every code page against the C library's converter: a text holding the character of each
// byte and a sweep of other characters comes out of a document with the characters the page
// holds kept, control characters blank and every other character as "?". The names by which
// users choose a page, and a page the library does not know.
#include <gtest/gtest.h>

#include <vector>

#include "code_page_oracle.h"
#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "vdxml/vdxml.h"

namespace {

using namespace vdxml_test;

// The characters a text under test holds: each byte's character in the page (or the byte's
// value where the page leaves it unassigned), everything up to U+33FF, and a few beyond.
std::wstring Characters(IconvPage& page) {
    std::wstring text;
    for (int b = 0x80; b < 0x100; ++b)
        text += page.Decode(std::string(1, static_cast<char>(b))).value_or(static_cast<wchar_t>(b));
    for (wchar_t c = 1; c < 0x3400; ++c) text += c;
    for (wchar_t c : {0x4E00, 0x70B9, 0xD800, 0xDFFF, 0xFB2A, 0xFFFD, 0xFFFE, 0xFFFF, 0x10000,
                      0x2000B, 0x10FFFF, 0x110000})
        text += c;
    return text;
}

// The root element's "Name" as the DOM back end writes it under page.
std::wstring WrittenCompany(VDXML_CODEPAGE page, const std::wstring& company) {
    VDXML_ROOT root = SampleRoot();
    root.Company = company;
    root.CodePage = page;
    TempDir dir;
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("n.xml")), 0), S_OK);
    const CVdXmlNode* node = doc.GetNode(CVdXmlDocument::NODE_ROOT);
    return node ? ChildElement(node->GetElement()->Element(), L"Name")->Gettext().wstr() : L"";
}

TEST(CodePage, EachPageKeepsWhatTheConverterHoldsAndBlanksControlCharacters) {
    for (const CodePageCase& c : kCodePageCases) {
        IconvPage page(c.iconvName);
        const std::wstring text = Characters(page);
        const std::wstring written = WrittenCompany(c.page, text);
        ASSERT_EQ(written.size(), text.size()) << c.iconvName;
        int wrong = 0;
        for (std::size_t i = 0; i < text.size() && wrong < 10; ++i) {
            const wchar_t expected = page.Expected(text[i]);
            if (written[i] == expected) continue;
            ++wrong;
            ADD_FAILURE() << c.iconvName << ": U+" << std::hex << static_cast<unsigned>(text[i])
                          << " became U+" << static_cast<unsigned>(written[i]) << ", expected U+"
                          << static_cast<unsigned>(expected);
        }
    }
}

// The names a user gives: the number, "windows-" or "cp" and the number, "utf-8", case aside.
TEST(CodePage, NamesOfEveryPage) {
    const std::pair<const char*, unsigned> cases[] = {{"1250", 1250},    {"windows-1251", 1251},
                                                      {"CP1252", 1252},  {"Windows-1253", 1253},
                                                      {"cp1254", 1254},  {"1255", 1255},
                                                      {"cp1256", 1256},  {"WINDOWS-1257", 1257},
                                                      {"utf-8", 65001},  {"UTF8", 65001},
                                                      {"65001", 65001},  {"1258", 0},
                                                      {"437", 0},        {"cp", 0},
                                                      {"windows-", 0},   {"01250", 0},
                                                      {"1250x", 0},      {"utf-16", 0},
                                                      {"", 0},           {"-1250", 0},
                                                      {"cp+1250", 0},    {"windows1250", 0},
                                                      {"4294968546", 0}, {"cp 1250", 0}};
    for (const auto& [name, number] : cases) {
        // Starts from another page than the expected one, so that a change shows.
        VDXML_CODEPAGE page = number == 1250 ? VDXML_CODEPAGE_UTF8 : VDXML_CODEPAGE_1250;
        const VDXML_CODEPAGE before = page;
        EXPECT_EQ(VdXml::CodePageFromName(name, page), number != 0) << name;
        EXPECT_EQ(static_cast<unsigned>(page), number ? number : static_cast<unsigned>(before))
            << name;
    }
    VDXML_CODEPAGE page = VDXML_CODEPAGE_1251;
    EXPECT_FALSE(VdXml::CodePageFromName(nullptr, page));
}

// A page the library does not know stops a document from starting, and stops a text entry
// when the shared root is changed to it later; nothing is written for either.
TEST(CodePage, AnUnknownPageIsRefused) {
    VDXML_ROOT root = SampleRoot();
    root.CodePage = static_cast<VDXML_CODEPAGE>(437);
    TempDir dir;
    CVdXmlDocument refused;
    EXPECT_EQ(refused.Initialize(root, IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(dir.file("a.xml")), 0),
              E_FAIL);
    EXPECT_FALSE(CVdXmlRoot::IsValid(root));

    root.CodePage = VDXML_CODEPAGE_1250;
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(dir.file("b.xml")), 0), S_OK);
    const CVdXmlNode* node = doc.GetNode(CVdXmlDocument::NODE_ROOT);
    node->GetRoot()->CodePage = static_cast<VDXML_CODEPAGE>(1258);
    EXPECT_EQ(node->InsertEntry(L"Note", _bstr_t(L"Bod \u0158")), E_FAIL);
    EXPECT_EQ(node->InsertEntry(L"Note", _bstr_t(L"plain")), S_OK);  // nothing to convert
    const IXMLDOMNodePtr company = node->GetElement()->Element();
    EXPECT_EQ(ChildElement(company, L"Note")->Gettext(), L"plain");
    EXPECT_FALSE(ChildElement(company, L"Note", 1));
}

}  // namespace
