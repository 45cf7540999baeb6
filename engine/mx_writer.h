// The streaming writer object ("MsXml2.MXXMLWriter"): a SAX content and lexical handler that
// serialises each call to the output stream as it comes.
//
// Output is UTF-16 (little-endian, byte-order mark first) whatever a declaration says.
// Indentation is not offered: putIndent(true) raises E_NOTIMPL. With the declaration not
// omitted, startDocument writes <?xml version="1.0" encoding="UTF-16" standalone="no"?>.
// An element without content is written as <name/>. The writer checks names but not
// nesting: the caller ends what it starts. Only the innermost open start tag is held back
// (to choose between > and />), so memory stays constant however large the document.
#pragma once

#include <memory>
#include <string>

#include "engine/sax.h"
#include "engine/stream_output.h"

namespace vdxml_engine {

class MxWriter final : public IMXWriter, public ISAXContentHandler, public ISAXLexicalHandler {
  public:
    MxWriter() = default;

    long QueryInterface(REFIID riid, void** object) override;
    unsigned long AddRef() override { return ++m_refs; }
    unsigned long Release() override;

    // IMXWriter
    void putOutput(const _variant_t& destination) override;
    void putIndent(bool indent) override;
    void putOmitXMLDeclaration(bool omit) override { m_omitDeclaration = omit; }
    void flush() override;

    // ISAXContentHandler
    void startDocument() override;
    void endDocument() override;
    void processingInstruction(const _bstr_t& target, const _bstr_t& data) override;
    void startElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                      ISAXAttributes* attributes) override;
    void endElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName) override;
    void characters(const _bstr_t& text) override;

    // ISAXLexicalHandler
    void comment(const _bstr_t& text) override;

  private:
    ~MxWriter() override = default;
    /// The output; raises E_UNEXPECTED before putOutput, and a stream failure that happened.
    StreamOutput& Output();
    /// Ends a start tag still waiting for its > (the element got content).
    void CloseStartTag(StreamOutput& output);
    /// The element name of a start or end call as UTF-8 in m_name; raises E_INVALIDARG.
    void ElementName(const _bstr_t& localName, const _bstr_t& qName);

    unsigned long m_refs = 1;
    std::unique_ptr<StreamOutput> m_output;
    bool m_omitDeclaration = false;
    bool m_startTagOpen = false;
    std::string m_name;
    std::string m_text;
};

/// A new writer with one reference, as the object factory hands it out.
IUnknown* CreateMxWriter();

}  // namespace vdxml_engine
