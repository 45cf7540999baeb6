// The DOM back end: the document is built in memory by the XML engine and saved at the end.
#pragma once

#include "vdxml/backend.h"

class CVdXmlDomDoc : public IVdXmlDoc {
  public:
    CVdXmlDomDoc() = default;
    CVdXmlDomDoc(const CVdXmlDomDoc&) = delete;
    CVdXmlDomDoc& operator=(const CVdXmlDomDoc&) = delete;

    bool IsSameDocument(IVdXmlDoc* other) const override;
    void GetDomDocument(IXMLDOMDocument2Ptr& out) const override { out = m_document; }
    long Create() override;
    long SetFileName(const _bstr_t& name) override;
    long GetFileName(_bstr_t& out) const override;
    enmDocType GetDocType() const override { return DOCTYPE_DOM; }
    long SetProperty(const _bstr_t& name, const _variant_t& value) override;
    long InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) override;
    long CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name, const _bstr_t& namespaceURI,
                       const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) override;
    long CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                           std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) override;
    long InsertText(VDXML_ELEMENT* element, const _bstr_t& text) override;
    long InsertComment(VDXML_ELEMENT* element, const _bstr_t& text) override;
    long AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) override;
    /// Writes the document to a temporary file beside the target and renames it over the
    /// target once complete; on failure the target keeps its previous content.
    long Save() override;

  private:
    long AppendElement(IXMLDOMNode* parent, const _bstr_t& name, const _bstr_t& namespaceURI,
                       const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out);

    IXMLDOMDocument2Ptr m_document;
    _bstr_t m_fileName;
};
