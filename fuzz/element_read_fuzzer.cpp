// Element readers on mutated files: the bytes are written to a file and read twice, once by
// CVdXmlParser (every known element through its kind's reader, the notifications checked by
// NotificationCheck) and once element by element, where every kind's reader is applied to
// every element of the file whatever its name, so each reader also meets the layouts of the
// others.
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "notification_check.h"
#include "reading/element_kinds.h"
#include "vdxml/root.h"

namespace {

// Bounds the work per input: readers times elements.
constexpr std::size_t kMaxElements = 48;

// The elements of the document in document order, at most kMaxElements.
std::vector<IXMLDOMNodePtr> ElementsOf(const IXMLDOMDocument2Ptr& doc) {
    std::vector<IXMLDOMNodePtr> found;
    std::vector<IXMLDOMNodePtr> pending{IXMLDOMNodePtr(doc->GetdocumentElement())};
    while (!pending.empty() && found.size() < kMaxElements) {
        IXMLDOMNodePtr node = pending.back();
        pending.pop_back();
        if (!node || node->GetnodeType() != NODE_ELEMENT) continue;
        found.push_back(node);
        std::vector<IXMLDOMNodePtr> children;
        for (IXMLDOMNodePtr child = node->GetfirstChild(); child; child = child->GetnextSibling())
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return found;
}

void ParseWithChecks(const std::string& path) {
    vdxml_fuzz::NotificationCheck check;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&check);
    const long hr = parser.Parse(path.c_str());
    VDXML_FUZZ_CHECK(hr == S_OK || hr == E_FAIL);
    if (FAILED(hr)) VDXML_FUZZ_CHECK(check.Opened() == 0);
}

void ReadEveryElementAsEveryKind(const std::string& path) {
    const _vdxml_ptr<IVdXmlDoc> backEnd(VdXmlCreateBackEnd(IVdXmlDoc::DOCTYPE_DOM), false);
    IXMLDOMDocument2Ptr doc;
    if (FAILED(backEnd->Create())) return;
    backEnd->GetDomDocument(doc);
    std::vector<IXMLDOMNodePtr> elements;
    try {
        if (!doc->load(_variant_t(_bstr_t(path.c_str())))) return;
        elements = ElementsOf(doc);
    } catch (const _com_error&) {
        return;  // the engine's failures are the one exception the library lets through
    }
    // The readers themselves turn every engine failure into their status: nothing may escape.
    for (const IXMLDOMNodePtr& node : elements) {
        for (const vdxml_reading::ElementKind& kind : vdxml_reading::ElementKinds()) {
            VDXML_ELEMENT element = VDXML_ELEMENT::FromNode(node);
            vdxml_fuzz::NotificationCheck check;
            VdXml::_CURRENCYTABLE table;
            if (SUCCEEDED(kind.handlers.pfnRead(element, &check, table))) {
                VDXML_FUZZ_CHECK(check.Opened() == 1);
                kind.handlers.pfnRelease(element, &check, table);
                VDXML_FUZZ_CHECK(check.StillOpen() == 0);
            } else {
                VDXML_FUZZ_CHECK(check.Opened() == 0);
            }
            VDXML_FUZZ_CHECK(kind.get(table) == nullptr);  // the record went with its close
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = vdxml_fuzz::ScratchFile("elements.xml");
    if (!vdxml_fuzz::WriteFile(path, data, size)) return 0;
    ParseWithChecks(path);
    ReadEveryElementAsEveryKind(path);
    return 0;
}
