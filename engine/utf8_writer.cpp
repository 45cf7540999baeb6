#include "engine/utf8_writer.h"

#include <libxml/xmlwriter.h>

#include <cerrno>
#include <string>

#include "platform/files.h"
#include "vdxml/platform/com_error.h"
#include "vdxml/platform/status.h"

namespace vdxml_engine {

struct Utf8XmlWriter::Impl {
    std::FILE* file = nullptr;
    xmlTextWriterPtr writer = nullptr;
    std::string name, value;  // NUL-terminated copies of the views passed in
};

namespace {
const xmlChar* Terminated(std::string& buffer, std::string_view text) {
    buffer.assign(text.data(), text.size());
    return reinterpret_cast<const xmlChar*>(buffer.c_str());
}

// The stream's own error when it has one, else a general failure.
[[noreturn]] void RaiseFor(std::FILE* file) {
    const int err = errno;
    if (file && std::ferror(file) && err != 0)
        throw _com_error(HRESULT_FROM_WIN32(vdxml_platform::Win32ErrorFromErrno(err)));
    throw _com_error(E_FAIL);
}
}  // namespace

Utf8XmlWriter::Utf8XmlWriter(std::FILE* file, bool document) : m_impl(new Impl) {
    m_impl->file = file;
    xmlOutputBufferPtr out = xmlOutputBufferCreateFile(file, nullptr);
    if (out) m_impl->writer = xmlNewTextWriter(out);
    if (!m_impl->writer) {
        if (out) xmlOutputBufferClose(out);
        delete m_impl;
        throw _com_error(E_OUTOFMEMORY);
    }
    if (!document) return;
    xmlTextWriterSetIndent(m_impl->writer, 1);
    xmlTextWriterSetIndentString(m_impl->writer, reinterpret_cast<const xmlChar*>("  "));
    Check(xmlTextWriterStartDocument(m_impl->writer, "1.0", "UTF-8", nullptr));
}

Utf8XmlWriter::~Utf8XmlWriter() {
    xmlFreeTextWriter(m_impl->writer);  // the output buffer goes with it; the stream stays
    delete m_impl;
}

void Utf8XmlWriter::Check(int result) const {
    if (result < 0) RaiseFor(m_impl->file);
}

void Utf8XmlWriter::Start(std::string_view name, std::string_view namespaceUri) {
    if (namespaceUri.empty()) {
        Check(xmlTextWriterStartElement(m_impl->writer, Terminated(m_impl->name, name)));
        return;
    }
    Check(xmlTextWriterStartElementNS(m_impl->writer, nullptr, Terminated(m_impl->name, name),
                                      Terminated(m_impl->value, namespaceUri)));
}

void Utf8XmlWriter::Attribute(std::string_view name, std::string_view value) {
    Check(xmlTextWriterWriteAttribute(m_impl->writer, Terminated(m_impl->name, name),
                                      Terminated(m_impl->value, value)));
}

void Utf8XmlWriter::Text(std::string_view text) {
    Check(xmlTextWriterWriteString(m_impl->writer, Terminated(m_impl->value, text)));
}

void Utf8XmlWriter::End() { Check(xmlTextWriterEndElement(m_impl->writer)); }

void Utf8XmlWriter::AppendFragment(std::FILE* fragment) {
    Check(xmlTextWriterFlush(m_impl->writer));
    if (std::fflush(fragment) != 0 || std::fseek(fragment, 0, SEEK_SET) != 0) RaiseFor(fragment);
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, fragment);
        if (n > 0)
            Check(xmlTextWriterWriteRawLen(m_impl->writer, reinterpret_cast<xmlChar*>(buffer),
                                           static_cast<int>(n)));
        if (n < sizeof buffer) break;
    }
    if (std::ferror(fragment)) RaiseFor(fragment);
}

void Utf8XmlWriter::Finish() {
    Check(xmlTextWriterEndDocument(m_impl->writer));
    Check(xmlTextWriterFlush(m_impl->writer));
    if (std::fflush(m_impl->file) != 0) RaiseFor(m_impl->file);
}

}  // namespace vdxml_engine
