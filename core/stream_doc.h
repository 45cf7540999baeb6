// The streaming back end: the document is written front to back through the engine's SAX
// writer into a file stream, never held in memory. Elements are addressed only by their
// nesting depth, so writing is strictly sequential: creating a child of an outer element
// ends every deeper element first. The output goes to a temporary file beside the target
// that Save renames over it, so the target never holds a partial document.
#pragma once

#include <cstddef>
#include <deque>

#include "core/file_replacement.h"
#include "engine/sax.h"
#include "vdxml/backend.h"
#include "vdxml/file_stream.h"

class CVdXmlStreamDoc : public IVdXmlDoc {
  public:
    CVdXmlStreamDoc() = default;
    CVdXmlStreamDoc(const CVdXmlStreamDoc&) = delete;
    CVdXmlStreamDoc& operator=(const CVdXmlStreamDoc&) = delete;
    /// Releases the writer objects and the name stack, without ending the open elements or
    /// flushing, and removes the temporary file: the target file stays as it was before
    /// SetFileName. Only Save puts a document in its place.
    ~CVdXmlStreamDoc() override;

    bool IsSameDocument(IVdXmlDoc* other) const override;
    void GetDomDocument(IXMLDOMDocument2Ptr& out) const override { out = nullptr; }
    long Create() override;
    long SetFileName(const _bstr_t& name) override;
    long GetFileName(_bstr_t& out) const override;
    enmDocType GetDocType() const override { return DOCTYPE_STREAM; }
    long SetProperty(const _bstr_t&, const _variant_t&) override { return S_OK; }
    long InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) override;
    long CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name, const _bstr_t& namespaceURI,
                       const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) override;
    long CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                           std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) override;
    long InsertText(VDXML_ELEMENT* element, const _bstr_t& text) override;
    long InsertComment(VDXML_ELEMENT* element, const _bstr_t& text) override;
    long AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) override;
    long Save() override;

    /// How many elements are started and not yet ended: the only state that grows with the
    /// document being written.
    std::size_t GetOpenDepth() const { return m_open.size(); }

  private:
    long EndDownTo(std::size_t depth);
    long EndAll();
    long StartElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                      const std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out);
    long FillAttributes(const _bstr_t& namespaceURI, const std::list<VDXML_ATTRIBUTE>* attrs);
    void ReleaseWriter();

    IMXWriterPtr m_writer;
    IMXAttributesPtr m_attributes;
    ISAXContentHandlerPtr m_content;
    ISAXLexicalHandlerPtr m_lexical;
    _bstr_t m_fileName;
    CVdXmlFileReplacement m_file;  // what the stream writes, renamed over the target by Save
    CVdXmlFileStream* m_stream = nullptr;  // one reference held; the writer holds its own
    std::deque<_bstr_t> m_open;            // names of the open elements, outermost first
};
