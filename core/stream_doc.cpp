#include "core/stream_doc.h"

#include "engine/factory.h"

namespace {
// Runs an action when the scope is left, also when the engine raised on the way.
template <class Action>
class ScopeExit {
  public:
    explicit ScopeExit(Action action) : m_action(action) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { m_action(); }

  private:
    Action m_action;
};
}  // namespace

CVdXmlStreamDoc::~CVdXmlStreamDoc() { ReleaseWriter(); }

void CVdXmlStreamDoc::ReleaseWriter() {
    m_content = nullptr;
    m_lexical = nullptr;
    m_writer = nullptr;  // drops the writer's own reference to the stream
    m_attributes = nullptr;
    if (m_stream) {
        m_stream->Release();  // the last reference: closes the file
        m_stream = nullptr;
    }
    m_open.clear();
}

bool CVdXmlStreamDoc::IsSameDocument(IVdXmlDoc* other) const {
    if (!other || other->GetDocType() != DOCTYPE_STREAM) return false;
    const auto* theirs = dynamic_cast<const CVdXmlStreamDoc*>(other);
    return theirs && m_writer && theirs->m_writer && IsSameComObject(m_writer, theirs->m_writer);
}

long CVdXmlStreamDoc::Create() {
    long hr = CreateEngineObject(m_writer, L"MsXml2.MXXMLWriter");
    if (FAILED(hr)) return hr;
    hr = CreateEngineObject(m_attributes, L"MsXml2.SAXAttributes");
    if (m_attributes) {
        m_content.QueryFrom(m_writer);
        m_lexical.QueryFrom(m_writer);
    }
    return hr;
}

long CVdXmlStreamDoc::SetFileName(const _bstr_t& name) {
    if (!m_writer || m_stream || name.empty()) return E_FAIL;
    m_fileName = name;
    m_stream = new CVdXmlFileStream;
    // The target is checked now (missing folder, no permission, a folder in the way) and
    // keeps its content until Save; the stream fills the temporary file beside it.
    long hr = m_file.Begin(name.utf8());
    if (FAILED(hr)) return hr;
    const _bstr_t writePath(m_file.WritePath());
    hr = m_stream->OpenForWrite(writePath.c_str());
    if (FAILED(hr)) {
        m_file.Abandon();
        return hr;
    }
    _com_ptr_t<IUnknown> output;
    hr = output.QueryFrom(m_stream);
    if (FAILED(hr)) return hr;
    try {
        m_writer->putOutput(_variant_t(output.GetInterfacePtr()));
        m_writer->putIndent(false);
        m_writer->putOmitXMLDeclaration(true);  // the caller writes its own declaration
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

long CVdXmlStreamDoc::GetFileName(_bstr_t& out) const {
    out = m_fileName;
    return out.empty() ? E_FAIL : S_OK;
}

long CVdXmlStreamDoc::InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) {
    if (!m_content) return E_FAIL;
    m_content->startDocument();
    m_content->processingInstruction(target, data);
    return S_OK;
}

long CVdXmlStreamDoc::EndDownTo(std::size_t depth) {
    while (m_open.size() > depth) {
        const _bstr_t name = m_open.back();
        m_open.pop_back();
        m_content->endElement(_bstr_t(), name, name);
    }
    return S_OK;
}

long CVdXmlStreamDoc::EndAll() { return m_content ? EndDownTo(0) : E_FAIL; }

long CVdXmlStreamDoc::FillAttributes(const _bstr_t& namespaceURI,
                                     const std::list<VDXML_ATTRIBUTE>* attrs) {
    m_attributes->clear();
    if (!attrs) return S_OK;
    for (const VDXML_ATTRIBUTE& attr : *attrs) {
        // A nameless attribute cannot be written; the DOM back end skips it the same way.
        if (attr.Name.empty()) continue;
        m_attributes->addAttribute(namespaceURI, attr.Name, attr.Name, _bstr_t(),
                                   attr.Value.ToString());
    }
    return S_OK;
}

long CVdXmlStreamDoc::StartElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                                   const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    if (FAILED(FillAttributes(namespaceURI, attrs))) return E_FAIL;
    ISAXAttributesPtr attributes;
    if (FAILED(attributes.QueryFrom(m_attributes))) return E_FAIL;
    m_content->startElement(namespaceURI, name, name, attributes);
    m_open.push_back(name);
    out->SetDepth(static_cast<std::uint32_t>(m_open.size()));
    return S_OK;
}

long CVdXmlStreamDoc::CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                                        std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    if (!m_content || !m_attributes || !out || !m_open.empty()) return E_FAIL;
    std::list<VDXML_ATTRIBUTE> own;
    std::list<VDXML_ATTRIBUTE>* list = attrs ? attrs : &own;
    // The writer declares no namespaces by itself: the default namespace goes in as an
    // attribute, appended to the caller's list.
    if (!namespaceURI.empty()) list->push_back(VDXML_ATTRIBUTE{L"xmlns", namespaceURI});
    return StartElement(name, namespaceURI, list, out);
}

long CVdXmlStreamDoc::CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name,
                                    const _bstr_t& namespaceURI,
                                    const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    if (!m_content || !m_attributes || !parent || !out) return E_FAIL;
    // Depth 0 is an empty handle: ending down to it would close the root element and start
    // a second one. A depth beyond the open elements belongs to an element already ended.
    const std::size_t depth = parent->Depth();
    if (depth == 0 || depth > m_open.size()) return E_FAIL;
    if (FAILED(EndDownTo(depth))) return E_FAIL;
    return StartElement(name, namespaceURI, attrs, out);
}

long CVdXmlStreamDoc::InsertText(VDXML_ELEMENT* element, const _bstr_t& text) {
    // Only the innermost open element takes text: its children would otherwise have been
    // written before it.
    if (!m_content || !element || element->Depth() == 0 || element->Depth() != m_open.size())
        return E_FAIL;
    m_content->characters(text);
    return S_OK;
}

long CVdXmlStreamDoc::InsertComment(VDXML_ELEMENT* element, const _bstr_t&) {
    // Comments are only checked, never written. The element must still be open with a child
    // open below it: the comment describes the entry just written into it.
    return (m_content && m_lexical && element && element->Depth() < m_open.size()) ? S_OK : E_FAIL;
}

long CVdXmlStreamDoc::AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) {
    // There is no tree to bind to; the handle keeps its depth and the caller its reference.
    return (!element && !node) ? E_FAIL : S_OK;
}

long CVdXmlStreamDoc::Save() {
    if (!m_content) return E_FAIL;  // never created, or saved already
    // Whether or not the engine raises while ending and flushing, the writer objects go and
    // the file is closed: the error reaches the caller, the temporary file is removed with
    // the target left as it was, and the back end refuses further writes.
    ScopeExit release([this] {
        ReleaseWriter();
        m_file.Abandon();
    });
    EndAll();
    m_writer->flush();
    ReleaseWriter();  // the stream closes: the whole document is with the system
    return m_file.Commit();
}
