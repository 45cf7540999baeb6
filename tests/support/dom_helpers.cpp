#include "support/dom_helpers.h"

#include <gtest/gtest.h>

#include "vdxml/root.h"

namespace vdxml_test {

namespace {
// The library's own DOM document, as its DOM back end makes it.
IXMLDOMDocument2Ptr NewDocument() {
    const _vdxml_ptr<IVdXmlDoc> backEnd(VdXmlCreateBackEnd(IVdXmlDoc::DOCTYPE_DOM), false);
    IXMLDOMDocument2Ptr doc;
    EXPECT_EQ(backEnd->Create(), S_OK);
    backEnd->GetDomDocument(doc);
    return doc;
}
}  // namespace

IXMLDOMDocument2Ptr LoadDom(const std::string& path) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    if (!doc) return doc;
    const bool loaded = doc->load(_variant_t(_bstr_t(path.c_str())));
    EXPECT_TRUE(loaded) << path << ": " << doc->GetparseError().reason.utf8();
    return loaded ? doc : IXMLDOMDocument2Ptr();
}

IXMLDOMDocument2Ptr LoadDomXml(const std::wstring& xml) {
    IXMLDOMDocument2Ptr doc = NewDocument();
    if (!doc) return doc;
    const bool loaded = doc->loadXML(_bstr_t(xml));
    EXPECT_TRUE(loaded) << doc->GetparseError().reason.utf8();
    return loaded ? doc : IXMLDOMDocument2Ptr();
}

IXMLDOMNodePtr ChildElement(const IXMLDOMNodePtr& node, const wchar_t* name, int index) {
    if (!node) return {};
    for (IXMLDOMNodePtr child = node->GetfirstChild(); child; child = child->GetnextSibling()) {
        if (child->GetnodeType() == NODE_ELEMENT && child->GetnodeName() == name && index-- == 0)
            return child;
    }
    return {};
}

VDXML_ELEMENT ElementAt(const IXMLDOMDocument2Ptr& doc, const std::wstring& path) {
    if (!doc) return {};
    IXMLDOMNodePtr node(doc->GetdocumentElement());
    std::size_t start = 0;
    while (node && start < path.size()) {
        std::size_t slash = path.find(L'/', start);
        if (slash == std::wstring::npos) slash = path.size();
        const std::wstring step = path.substr(start, slash - start);
        if (!step.empty()) node = ChildElement(node, step.c_str());
        start = slash + 1;
    }
    return VDXML_ELEMENT::FromNode(node);
}

}  // namespace vdxml_test
