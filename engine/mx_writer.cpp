#include "engine/mx_writer.h"

#include <libxml/tree.h>

#include "engine/com_object.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

void ToValidName(std::string& out, const _bstr_t& name, const wchar_t* complaint) {
    ToUtf8(out, name.view());
    if (!IsValidQName(out)) ThrowError(E_INVALIDARG, complaint);
}

}  // namespace

IUnknown* CreateMxWriter() { return static_cast<IMXWriter*>(new MxWriter()); }

long MxWriter::QueryInterface(REFIID riid, void** object) {
    return QueryInterfaceOf<IMXWriter, ISAXContentHandler, ISAXLexicalHandler>(this, riid, object);
}

unsigned long MxWriter::Release() {
    const unsigned long left = --m_refs;
    if (left == 0) delete this;
    return left;
}

void MxWriter::putOutput(const _variant_t& destination) {
    _com_ptr_t<IStream> stream;
    if (destination.vt() != VT_UNKNOWN || FAILED(stream.QueryFrom(destination.AsUnknown())))
        ThrowError(E_INVALIDARG, L"the output must be a stream");
    auto previous = std::make_unique<StreamOutput>(std::move(stream));
    previous.swap(m_output);
    m_startTagOpen = false;
    // The previous output gets what it still buffers; its failure is reported here.
    if (previous) previous->Flush();
}

void MxWriter::putIndent(bool indent) {
    if (indent) ThrowError(E_NOTIMPL, L"the writer does not indent");
}

StreamOutput& MxWriter::Output() {
    if (!m_output) ThrowError(E_UNEXPECTED, L"the writer has no output");
    m_output->ThrowIfFailed();
    return *m_output;
}

void MxWriter::CloseStartTag(StreamOutput& output) {
    if (!m_startTagOpen) return;
    m_startTagOpen = false;
    output.Write(">", 1);
}

void MxWriter::ElementName(const _bstr_t& localName, const _bstr_t& qName) {
    ToValidName(m_name, qName.empty() ? localName : qName, L"not a valid element name");
}

void MxWriter::flush() { Output().Flush(); }

void MxWriter::startDocument() {
    StreamOutput& output = Output();
    if (!m_omitDeclaration)
        output.Write(R"(<?xml version="1.0" encoding="UTF-16" standalone="no"?>)");
}

void MxWriter::endDocument() {
    StreamOutput& output = Output();
    CloseStartTag(output);
    output.Flush();
}

void MxWriter::processingInstruction(const _bstr_t& target, const _bstr_t& data) {
    StreamOutput& output = Output();
    ToUtf8(m_name, target.view());
    if (!IsValidName(m_name))
        ThrowError(E_INVALIDARG, L"not a valid processing instruction target");
    if (data.view().find(L"?>") != std::wstring_view::npos)
        ThrowError(E_INVALIDARG, L"processing instruction data must not contain '?>'");
    ToUtf8(m_text, data.view());
    CloseStartTag(output);
    output.Write("<?", 2);
    output.Write(m_name);
    // The declaration's data comes with its leading space; other data gets one.
    if (m_name != "xml" && !m_text.empty()) output.Write(" ", 1);
    output.Write(m_text);
    output.Write("?>", 2);
}

void MxWriter::startElement(const _bstr_t&, const _bstr_t& localName, const _bstr_t& qName,
                            ISAXAttributes* attributes) {
    StreamOutput& output = Output();
    ElementName(localName, qName);
    CloseStartTag(output);
    output.Write("<", 1);
    output.Write(m_name);
    const int count = attributes ? attributes->getLength() : 0;
    for (int i = 0; i < count; ++i) {
        ToValidName(m_name, attributes->getQName(i), L"not a valid attribute name");
        ToUtf8(m_text, attributes->getValue(i).view());
        output.Write(" ", 1);
        output.Write(m_name);
        output.Write("=\"", 2);
        output.WriteAttributeValue(m_text);
        output.Write("\"", 1);
    }
    m_startTagOpen = true;
}

void MxWriter::endElement(const _bstr_t&, const _bstr_t& localName, const _bstr_t& qName) {
    StreamOutput& output = Output();
    ElementName(localName, qName);
    if (m_startTagOpen) {
        m_startTagOpen = false;
        output.Write("/>", 2);
        return;
    }
    output.Write("</", 2);
    output.Write(m_name);
    output.Write(">", 1);
}

void MxWriter::characters(const _bstr_t& text) {
    StreamOutput& output = Output();
    CloseStartTag(output);
    if (text.empty()) return;
    ToUtf8(m_text, text.view());
    output.WriteText(m_text);
}

void MxWriter::comment(const _bstr_t& text) {
    StreamOutput& output = Output();
    const std::wstring_view view = text.view();
    if (view.find(L"--") != std::wstring_view::npos || (!view.empty() && view.back() == L'-'))
        ThrowError(E_INVALIDARG, L"a comment must not contain '--' or end with '-'");
    ToUtf8(m_text, view);
    CloseStartTag(output);
    output.Write("<!--", 4);
    output.Write(m_text);
    output.Write("-->", 3);
}

}  // namespace vdxml_engine
