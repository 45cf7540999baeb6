// CVdXmlParser: loading a file and walking its elements depth-first.
#include "vdxml/parser.h"

#include <cstring>
#include <exception>
#include <type_traits>

#include "engine/factory.h"
#include "reading/element_kinds.h"

namespace {

using vdxml_reading::ElementKind;
using vdxml_reading::ElementKinds;

static_assert(std::is_trivially_copyable_v<VdXml::_CURRENCYTABLE>,
              "the table is compared as plain memory");

// Puts the table back as it was when an element was opened, once the walk leaves it, however
// it leaves it. A slot that holds something else then is either empty (the element's record
// was released and an outer record of the same kind comes back) or holds a record that the
// element created and never released (it was abandoned): such a record is freed.
class TableScope {
  public:
    explicit TableScope(VdXml::_CURRENCYTABLE& table) : m_table(table), m_saved(table) {}
    ~TableScope() {
        // Most elements are of no kind, or closed their record as they should: nothing to do.
        if (std::memcmp(&m_table, &m_saved, sizeof m_table) == 0) return;
        for (const ElementKind& kind : ElementKinds()) {
            VDXML_BASE* now = kind.get(m_table);
            VDXML_BASE* before = kind.get(m_saved);
            if (now == before) continue;
            delete now;
            kind.set(m_table, before);
        }
    }
    TableScope(const TableScope&) = delete;
    TableScope& operator=(const TableScope&) = delete;

  private:
    VdXml::_CURRENCYTABLE& m_table;
    const VdXml::_CURRENCYTABLE m_saved;
};

// The DOM document, by the versioned name first; null when neither name is available.
IXMLDOMDocument2Ptr CreateDomDocument() {
    IXMLDOMDocument2Ptr doc;
    CreateEngineObject(doc, L"MsXml2.DomDocument");
    return doc;
}

}  // namespace

CVdXmlParser::CVdXmlParser() { ConstructMap(m_mapNodes); }

long CVdXmlParser::ConstructMap(std::map<_bstr_t, NODE_READ>& map) {
    for (const ElementKind& kind : ElementKinds()) map.emplace(*kind.tag, kind.handlers);
    return S_OK;
}

long CVdXmlParser::SetCallbackInterface(IVdXmlNotifications* callback) {
    m_pCallback = callback;
    return S_OK;
}

long CVdXmlParser::Parse(const char* fileName) {
    if (!m_pCallback || !fileName || !*fileName) return E_FAIL;
    try {
        IXMLDOMDocument2Ptr doc = CreateDomDocument();
        if (!doc) return E_FAIL;
        // File names are UTF-8, as the file system takes them.
        if (!doc->load(_variant_t(_bstr_t(fileName)))) return E_FAIL;
        WalkXml(IXMLDOMNodePtr(doc->GetdocumentElement()));
    } catch (const _com_error&) {
        return E_FAIL;
    } catch (const std::exception&) {
        return E_FAIL;
    }
    return S_OK;
}

// Recursive, one level per element level. The depth is bounded by the engine: it refuses to
// load a document nested deeper than libxml2's limit without XML_PARSE_HUGE (which it never
// sets), 256 enclosing elements, so no file can take the walk deeper than 257 levels.
void CVdXmlParser::WalkXml(const IXMLDOMNodePtr& node) {
    if (!node || node->GetnodeType() != NODE_ELEMENT) return;
    TableScope scope(m_table);
    try {
        const auto row = m_mapNodes.find(node->GetnodeName());
        const NODE_READ* handlers = row != m_mapNodes.end() ? &row->second : nullptr;
        VDXML_ELEMENT element = VDXML_ELEMENT::FromNode(node);
        if (handlers && handlers->pfnRead &&
            FAILED(handlers->pfnRead(element, m_pCallback, m_table)))
            return;
        for (IXMLDOMNodePtr child = node->GetfirstChild(); child; child = child->GetnextSibling())
            WalkXml(child);
        if (handlers && handlers->pfnRelease) handlers->pfnRelease(element, m_pCallback, m_table);
    } catch (const _com_error&) {
        // The rest of this element is abandoned; the walk goes on with its next sibling.
    }
}
