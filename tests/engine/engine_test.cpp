// The XML engine through the back ends' objects, where no level above shows it: what the DOM
// refuses, typed values and parse errors of loaded documents, node objects outliving their
// document, the streaming writer's exact output and refusals, and the object factory's
// fallback (through the testing switches of engine/testing.h).
#include <gtest/gtest.h>

#include <functional>

#include "engine/testing.h"
#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "vdxml/root.h"

namespace {

// The status an engine call raises; S_OK when it raises none.
long StatusOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

IXMLDOMNodePtr Element(const IXMLDOMDocument2Ptr& doc, const _bstr_t& name,
                       const _bstr_t& ns = L"urn:s") {
    return doc->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), name, ns);
}

const std::wstring kBadNames[] = {L"", L"1a", L"a b", L"x:", L":a", L"a<b", {L"a\0b", 3}};

TEST(Dom, RefusesOnlyWhatCannotBeWritten) {
    IXMLDOMDocument2Ptr doc =
        vdxml_test::LoadDomXml(L"<r xmlns='urn:s'><c xmlns:p='urn:p'>t</c></r>");
    IXMLDOMDocument2Ptr other = vdxml_test::LoadDomXml(L"<o/>");
    IXMLDOMElementPtr root = doc->GetdocumentElement(), child(root->GetfirstChild());
    IXMLDOMNodePtr text = child->GetfirstChild();
    // Attributes are found by prefix and local name; "dt" declares its namespace where needed.
    for (const wchar_t* name : {L"xmlns:q", L"p:a", L"a", L"dt:dt"})  // each its name as value
        child->setAttribute(name, name[0] == L'x' ? L"urn:q" : name);
    std::wstring values;
    for (const wchar_t* name : {L"xmlns:q", L"p", L"p:a", L"a", L"q:a", L"dt:dt", L"xmlns:dt"})
        values += child->getAttribute(name).ToString().wstr() + L"|";
    EXPECT_EQ(values, L"urn:q||p:a|a||dt:dt|" + std::wstring(kDataTypesNamespace) + L"|");
    // An element in no namespace below a default declaration undeclares it (xmlns="").
    IXMLDOMElementPtr plain(root->appendChild(Element(doc, L"plain", L"")));
    EXPECT_EQ(plain->getAttribute(L"xmlns").vt(), VT_BSTR);
    for (const std::wstring& name : kBadNames) {
        EXPECT_EQ(StatusOf([&] { Element(doc, name); }), E_INVALIDARG);
        EXPECT_EQ(StatusOf([&] { child->setAttribute(name, L"v"); }), E_INVALIDARG);
    }
    for (const wchar_t* data :
         {L"version='2.0'", L"version='1.'", L"version=1.0", L"version='1.0", L"encoding='utf-16'",
          L"version='1.0'encoding='utf-16'", L"version='1.0' bogus='1'",
          L"version='1.0' encoding='utf 16'", L"version='1.0' encoding='8bit'",
          L"version='1.0' encoding='\u00E4'", L"version='1.0' standalone='maybe'"})
        EXPECT_EQ(StatusOf([&] { doc->createProcessingInstruction(L"xml", data); }), E_INVALIDARG);
    doc->createProcessingInstruction(L"xml", L"\tversion = \"1.0\" standalone='yes' ");  // accepted
    // Each call's status (an instruction other than the declaration may follow the root).
    IXMLDOMNodePtr declaration = doc->createProcessingInstruction(L"xml", L"version='1.0'");
    const std::pair<long, std::function<void()>> calls[] = {
        {E_INVALIDARG, [&] { Element(doc, L"x:a", L""); }},  // a prefix needs a namespace
        {E_NOTIMPL, [&] { doc->createNode(_variant_t(static_cast<int>(NODE_TEXT)), L"a", L""); }},
        {S_OK, [&] { doc->createNode(_variant_t(L"element"), L"a", L""); }},  // types as names
        {E_INVALIDARG, [&] { doc->createNode(_variant_t(L"text"), L"a", L""); }},
        {E_INVALIDARG, [&] { doc->createNode(_variant_t(1.0), L"a", L""); }},
        {E_INVALIDARG, [&] { doc->setProperty(L"Validate", true); }},
        {E_INVALIDARG, [&] { doc->getProperty(L"selectionlanguage"); }},
        {E_FAIL, [&] { root->appendChild(doc); }},
        // A default namespace contradicts an element in none, even without a declaration.
        {E_FAIL, [&] { IXMLDOMElementPtr(Element(doc, L"n", L""))->setAttribute(L"xmlns", L"u"); }},
        {E_FAIL, [&] { doc->appendChild(Element(doc, L"second")); }},
        {E_FAIL, [&] { doc->appendChild(doc->createTextNode(L"loose")); }},
        {E_FAIL, [&] { text->appendChild(Element(doc, L"below-text")); }},
        {E_FAIL, [&] { child->appendChild(root); }},
        {E_INVALIDARG, [&] { root->appendChild(nullptr); }},
        {E_INVALIDARG, [&] { root->appendChild(Element(other, L"foreign")); }},
        {E_FAIL, [&] { child->setAttribute(L"xmlns", L"urn:other"); }},
        {E_FAIL, [&] { child->setAttribute(L"xmlns:p", L"urn:q"); }},  // declared as urn:p
        {E_INVALIDARG, [&] { child->setAttribute(L"xmlns:r", L""); }},
        {S_OK, [&] { doc->appendChild(doc->createProcessingInstruction(L"app", L"x")); }},
        {E_INVALIDARG, [&] { child->setAttribute(L"undeclared:a", L"v"); }},
        {E_INVALIDARG, [&] { doc->createProcessingInstruction(L"XmL", L"x"); }},
        {E_INVALIDARG, [&] { doc->createProcessingInstruction(L"pi", L"a ?> b"); }},
        {E_INVALIDARG, [&] { doc->createProcessingInstruction(kBadNames[6], L"x"); }},
        {E_FAIL, [&] { doc->appendChild(declaration); }},
        {E_FAIL, [&] { root->appendChild(declaration); }},
    };
    for (std::size_t i = 0; i < std::size(calls); ++i)
        EXPECT_EQ(StatusOf(calls[i].second), calls[i].first) << "call " << i;
}

TEST(Dom, LoadedTextsTypedValuesAndParseErrors) {
    // Date-times are typed only in the data-type namespace and only when the text is a date:
    // days count from 30 December 1899, before it the time of day away from zero.
    const std::wstring xml =
        L"<!DOCTYPE r><?pi d?><r xmlns:x='urn:x' xmlns:dt='" + std::wstring(kDataTypesNamespace) +
        L"'><a>A &amp; <![CDATA[<B>]]><!-- c --><x:i>i</x:i>u</a>"
        L"<d dt:dt='dateTime'> 2006-04-28T12:05:07.25\n</d><d dt:dt='datetime'>1899-12-29T06:00</d>"
        L"<d x:dt='datetime'>2006-04-28</d><d dt:dt='date'>2006-04-28</d>"
        L"<d dt:dt='datetime'>2006-02-29</d><d dt:dt='datetime'>2006-04-31</d>"
        L"<d dt:dt='datetime'>1900-02-29</d><d dt:dt='datetime'>2100-02-29</d>"
        L"<d dt:dt='datetime'>2006-04-28T24:00</d><d dt:dt='datetime'>2006-4-28</d>"
        L"<d dt:dt='datetime'>2006-04-28 12:05</d><d dt:dt='datetime'>2006-04-28T12</d>"
        L"<d dt:dt='datetime'>2006-04-28T12:05:</d><d dt:dt='datetime'>2006-04-28T12:055</d>"
        L"<d dt:dt='datetime'>2006-04-28T12:00:07.2x</d></r>";
    IXMLDOMDocument2Ptr doc = vdxml_test::LoadDomXml(xml);
    IXMLDOMNodePtr a = doc->GetdocumentElement()->GetfirstChild();
    EXPECT_EQ(a->Gettext(), L"A & <B>iu");
    std::wstring kinds = std::to_wstring(doc->GetnodeType()) + doc->GetnodeName().wstr();
    for (IXMLDOMNodePtr parent : {IXMLDOMNodePtr(doc), a})  // the document's children, a's
        for (IXMLDOMNodePtr n = parent->GetfirstChild(); n; n = n->GetnextSibling())
            kinds += L"," + std::to_wstring(n->GetnodeType()) + n->GetnodeName().wstr();
    EXPECT_EQ(kinds, L"9#document,10r,7pi,1r,3#text,4#cdata-section,8#comment,1x:i,3#text");
    EXPECT_TRUE(IsSameComObject(a, a->GetfirstChild()->GetparentNode()));
    EXPECT_TRUE(a->hasChildNodes() &&
                !vdxml_test::LoadDomXml(L"<e/>")->GetdocumentElement()->hasChildNodes());
    IXMLDOMNodePtr d = a->GetnextSibling();  // the blanks around a date are no part of it
    EXPECT_EQ(d->GetnodeTypedValue().ToString(), L"28.4.2006 12:05:07.25");
    d = d->GetnextSibling();
    EXPECT_EQ(d->GetnodeTypedValue().AsDouble(), -1.25);  // a date, not a text (0)
    for (d = d->GetnextSibling(); d; d = d->GetnextSibling())
        EXPECT_EQ(d->GetnodeTypedValue().ToString(), d->Gettext()) << d->Gettext().utf8();

    testing::internal::CaptureStderr();
    EXPECT_FALSE(doc->loadXML(L"<a>\n  <b>\n  </c>\n</a>"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const XmlParseError error = doc->GetparseError();
    EXPECT_EQ(error.errorCode & 0xFFFF0000L, static_cast<long>(0xC00C0000L));
    EXPECT_EQ(error.line, 3);
    EXPECT_GT(error.linepos, 0);
    EXPECT_NE(error.reason.utf8().find("mismatch"), std::string::npos) << error.reason.utf8();
    EXPECT_FALSE(doc->GetdocumentElement());
    EXPECT_FALSE(doc->loadXML(L" "));  // an empty text fails with the status of a blank one
    const long blank = doc->GetparseError().errorCode;
    EXPECT_TRUE(!doc->loadXML(L"") && doc->GetparseError().errorCode == blank &&
                doc->GetparseError().reason == L"Document is empty");
    EXPECT_TRUE(doc->loadXML(L"<b/>"));
    EXPECT_EQ(doc->GetparseError().errorCode, S_OK);
}

TEST(Dom, NodeObjectsOutliveTheirDocumentAndItsLoads) {
    // Under AddressSanitizer a node freed too early, or never, shows as an error.
    IXMLDOMElementPtr old;
    IXMLDOMNodePtr top, down, held;
    {
        IXMLDOMDocument2Ptr doc = vdxml_test::LoadDomXml(L"<old>before</old>");
        old = doc->GetdocumentElement();
        Element(doc, L"dropped")->appendChild(Element(doc, L"below"));  // never held
        IXMLDOMNodePtr a = Element(doc, L"a");
        a->appendChild(Element(doc, L"p:b", L"urn:p"))->appendChild(Element(doc, L"c"));
        held = a->appendChild(Element(doc, L"d"));
        a = nullptr;  // its subtree lives on through d's object
        top = Element(doc, L"top");
        top->appendChild(Element(doc, L"mid"));  // a detached root held, its child's object gone
        down = Element(doc, L"up")->appendChild(Element(doc, L"down"));  // the root's gone first
        ASSERT_TRUE(doc->loadXML(L"<new/>"));
        EXPECT_EQ(StatusOf([&] { doc->GetdocumentElement()->appendChild(old); }), E_INVALIDARG);
    }
    EXPECT_FALSE(old->GetparentNode());  // its document node went with the load
    old->appendChild(top);               // detached subtrees join the old tree
    old->appendChild(down->GetparentNode());
    IXMLDOMNodePtr b = old->appendChild(held->GetparentNode())->GetfirstChild();
    EXPECT_EQ(top->GetfirstChild()->GetnodeName() + top->GetnextSibling()->GetnodeName(), L"midup");
    EXPECT_EQ(b->GetnodeName() + b->GetfirstChild()->GetnodeName(), L"p:bc");
}

// The streaming writer as the streaming back end drives it: nothing before it has an output,
// then UTF-16 with a byte-order mark in call order, markup escaped, an element without content
// closed in its start tag, and bad names and instruction data refused.
TEST(Writer, WritesUtf16EscapedInCallOrderAndRefusesBadMarkup) {
    vdxml_test::TempDir dir;
    const std::string path = dir.file("sax.xml");
    const _vdxml_ptr<IVdXmlDoc> doc(VdXmlCreateBackEnd(IVdXmlDoc::DOCTYPE_STREAM), false);
    ASSERT_EQ(doc->Create(), S_OK);
    EXPECT_EQ(StatusOf([&] { doc->InsertProcessingInstruction(L"app", L"x=1"); }), E_UNEXPECTED);
    ASSERT_EQ(doc->SetFileName(_bstr_t(path.c_str())), S_OK);
    doc->InsertProcessingInstruction(L"app", L"x=1");
    std::list<VDXML_ATTRIBUTE> attributes{{L"b", _variant_t(L"<\"'&>")}, {L"a", _variant_t(1)}};
    VDXML_ELEMENT root, empty;
    doc->CreateRootElement(L"r", L"urn:s", &attributes, &root);
    for (const std::wstring& name : kBadNames)
        EXPECT_EQ(StatusOf([&] { doc->CreateElement(&root, name, L"", nullptr, &empty); }),
                  E_INVALIDARG);
    EXPECT_EQ(StatusOf([&] { doc->InsertProcessingInstruction(L"pi", L"a?>b"); }), E_INVALIDARG);
    doc->InsertText(&root, L"x < y & \u00C4\U0001D11E");
    doc->CreateElement(&root, L"e", L"", nullptr, &empty);
    ASSERT_EQ(doc->Save(), S_OK);
    std::string expected = "\xFF\xFE";  // byte-order mark, then UTF-16 little-endian
    for (char16_t c : std::u16string(u"<?app x=1?><r b=\"&lt;&quot;'&amp;&gt;\" a=\"1\" "
                                     u"xmlns=\"urn:s\">x &lt; y &amp; \u00C4\U0001D11E<e/></r>"))
        expected += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    EXPECT_EQ(vdxml_test::ReadBytes(path), expected);
}

TEST(Factory, BackEndsTakeTheVersionedProgIdThenTheOtherThenFail) {
    const std::tuple<const wchar_t*, const wchar_t*, IVdXmlDoc::enmDocType> kinds[] = {
        {L"msxml2.domdocument.4.0", L"msxml2.domdocument", IVdXmlDoc::DOCTYPE_DOM},
        {L"msxml2.mxxmlwriter.4.0", L"msxml2.mxxmlwriter", IVdXmlDoc::DOCTYPE_STREAM},
        {L"msxml2.saxattributes.4.0", L"msxml2.saxattributes", IVdXmlDoc::DOCTYPE_STREAM}};
    vdxml_test::TempDir dir;
    const _bstr_t path(dir.file("f.xml"));
    for (const auto& [versioned, other, type] : kinds) {
        for (int off = 0; off < 3; ++off) {  // no ProgID off, the versioned one, both (any case)
            if (off > 0) VdXmlTestingSetProgIdAvailable(off == 1 ? versioned : other, false);
            CVdXmlDocument doc;
            EXPECT_EQ(doc.Initialize(vdxml_test::SampleRoot(), type, path, 0),
                      off < 2 ? S_OK : REGDB_E_CLASSNOTREG);
            EXPECT_EQ(doc.Save(), off < 2 ? S_OK : E_FAIL) << _bstr_t(other).utf8();
        }
        VdXmlTestingResetProgIds();
    }
}

}  // namespace
