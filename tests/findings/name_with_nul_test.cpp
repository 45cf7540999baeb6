// Found by fuzzing the entry writers: an element name holding a NUL character passed the
// engine's name check (libxml2 reads names up to the first NUL), so the streaming writer wrote
// the NUL into the file, which no parser accepts, and the DOM quietly cut the name short.
// Such names are refused now, by both back ends and by every name check of the engine.
#include <gtest/gtest.h>

#include <string>

#include "support/document_fixture.h"
#include "vdxml/engine/factory.h"
#include "vdxml/engine/sax.h"

namespace {

using vdxml_test::BothBackEnds;

const std::wstring kNameWithNul(L"Pt\0x", 4);

// The entry's status, or the engine's error raised through the streaming writer.
long InsertCatching(const CVdXmlNode& node, const std::wstring& name) {
    try {
        return node.InsertEntry(_bstr_t(name), _bstr_t(L"v"));
    } catch (const _com_error& e) {
        return e.Error();
    }
}

class NameWithNul : public BothBackEnds {};

TEST_P(NameWithNul, EntryIsRefusedAndTheFileStaysWellFormed) {
    StartDocument();
    CVdXmlNode box;
    ASSERT_EQ(box.Create(Application(), L"Box", nullptr), S_OK);
    // The DOM back end turns the engine's refusal into its own status; the streaming writer
    // raises it.
    EXPECT_EQ(InsertCatching(box, kNameWithNul),
              GetParam() == IVdXmlDoc::DOCTYPE_DOM ? E_FAIL : E_INVALIDARG);
    EXPECT_EQ(InsertCatching(box, L"Pt"), S_OK);
    const vdxml_test::XmlTree tree = SaveAndLoad();  // fails the test unless well-formed
    const vdxml_test::XmlTree* written = ApplicationOf(tree).child("Box");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->childNames(), std::vector<std::string>{"Pt"});
}

VDXML_INSTANTIATE_BOTH_BACKENDS(NameWithNul);

TEST(EngineNamesWithNul, DomRefusesThemEverywhere) {
    IXMLDOMDocument2Ptr doc;
    ASSERT_GE(CreateEngineObject(doc, L"MsXml2.DomDocument"), 0);
    const _variant_t element(static_cast<int>(NODE_ELEMENT));
    try {
        doc->createNode(element, _bstr_t(kNameWithNul), _bstr_t());
        ADD_FAILURE() << "an element name with a NUL was accepted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
    }
    try {
        doc->createProcessingInstruction(_bstr_t(std::wstring(L"pi\0x", 4)), L"data");
        ADD_FAILURE() << "a target with a NUL was accepted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
    }
    IXMLDOMElementPtr root(doc->createNode(element, L"Root", _bstr_t()));
    ASSERT_TRUE(root);
    try {
        root->setAttribute(_bstr_t(kNameWithNul), _variant_t(_bstr_t(L"v")));
        ADD_FAILURE() << "an attribute name with a NUL was accepted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
    }
}

}  // namespace
