#include "core/dom_doc.h"

#include "core/file_replacement.h"
#include "engine/factory.h"

bool CVdXmlDomDoc::IsSameDocument(IVdXmlDoc* other) const {
    if (!other || other->GetDocType() != DOCTYPE_DOM) return false;
    IXMLDOMDocument2Ptr theirs;
    other->GetDomDocument(theirs);
    return m_document && theirs && IsSameComObject(m_document, theirs);
}

long CVdXmlDomDoc::Create() { return CreateEngineObject(m_document, L"MsXml2.DomDocument"); }

long CVdXmlDomDoc::SetFileName(const _bstr_t& name) {
    if (!m_document || name.empty()) return E_FAIL;
    m_fileName = name;
    return S_OK;
}

long CVdXmlDomDoc::GetFileName(_bstr_t& out) const {
    out = m_fileName;
    return out.empty() ? E_FAIL : S_OK;
}

long CVdXmlDomDoc::SetProperty(const _bstr_t& name, const _variant_t& value) {
    if (!m_document) return E_FAIL;
    m_document->setProperty(name, value);  // engine failures reach the caller
    return S_OK;
}

long CVdXmlDomDoc::InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) {
    if (!m_document) return E_FAIL;
    try {
        IXMLDOMProcessingInstructionPtr pi = m_document->createProcessingInstruction(target, data);
        m_document->appendChild(pi);
        return S_OK;
    } catch (const _com_error& e) {
        return e.Error();
    }
}

long CVdXmlDomDoc::AppendElement(IXMLDOMNode* parent, const _bstr_t& name,
                                 const _bstr_t& namespaceURI,
                                 const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    if (!m_document || !parent || !out) return E_FAIL;
    try {
        IXMLDOMNodePtr created =
            m_document->createNode(_variant_t(static_cast<int>(NODE_ELEMENT)), name, namespaceURI);
        IXMLDOMElementPtr element(parent->appendChild(created));
        out->SetElement(element);
        if (element && attrs) {
            for (const VDXML_ATTRIBUTE& attr : *attrs)
                if (!attr.Name.empty()) element->setAttribute(attr.Name, attr.Value);
        }
        return element ? S_OK : E_FAIL;
    } catch (const _com_error& e) {
        return e.Error();
    }
}

long CVdXmlDomDoc::CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                                     std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    return AppendElement(m_document, name, namespaceURI, attrs, out);
}

long CVdXmlDomDoc::CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name,
                                 const _bstr_t& namespaceURI,
                                 const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) {
    if (!parent) return E_FAIL;
    return AppendElement(parent->Element(), name, namespaceURI, attrs, out);
}

long CVdXmlDomDoc::InsertText(VDXML_ELEMENT* element, const _bstr_t& text) {
    if (!m_document || !element || !element->Element()) return E_FAIL;
    try {
        IXMLDOMTextPtr node = m_document->createTextNode(text);
        IXMLDOMNodePtr appended = element->Element()->appendChild(node);
        return appended ? S_OK : E_FAIL;
    } catch (const _com_error& e) {
        return e.Error();
    }
}

long CVdXmlDomDoc::InsertComment(VDXML_ELEMENT* element, const _bstr_t& text) {
    return (!text.empty() && m_document && element && element->Element()) ? S_OK : E_FAIL;
}

long CVdXmlDomDoc::AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) {
    if (!m_document || !element) return E_FAIL;
    IXMLDOMElementPtr asElement;
    if (node) asElement.QueryFrom(node);
    element->SetElement(asElement);
    return S_OK;
}

long CVdXmlDomDoc::Save() {
    if (m_fileName.empty() || !m_document) return E_FAIL;
    // The engine writes a temporary file beside the target, which replaces the target only
    // once complete: a failed save leaves the previous file as it was.
    CVdXmlFileReplacement file;
    const long hr = file.Begin(m_fileName.utf8());
    if (FAILED(hr)) return hr;
    try {
        m_document->save(_variant_t(_bstr_t(file.WritePath())));
    } catch (const _com_error& e) {
        return e.Error();
    }
    return file.Commit();
}
