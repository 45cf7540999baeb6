#include "engine/stream_output.h"

#include <libxml/encoding.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "engine/com_object.h"
#include "engine/libxml_setup.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// Writes all of data, as IStream::Write may take less than it is given.
long WriteAll(IStream* stream, const char* data, unsigned long length) {
    while (length > 0) {
        unsigned long written = 0;
        const long hr = stream->Write(data, length, &written);
        if (FAILED(hr)) return hr;
        if (written == 0 || written > length) return E_FAIL;
        data += written;
        length -= written;
    }
    return S_OK;
}

}  // namespace

StreamOutput::StreamOutput(_com_ptr_t<IStream> stream) : m_stream(std::move(stream)) {
    EnsureLibxml();
    // The "UTF-16" encoder writes little-endian and starts with the byte-order mark.
    xmlCharEncodingHandlerPtr utf16 = xmlFindCharEncodingHandler("UTF-16");
    m_escaped = xmlBufferCreate();
    if (utf16 && m_escaped) m_buffer = xmlOutputBufferCreateIO(WriteBlock, nullptr, this, utf16);
    if (!m_buffer) {
        if (m_escaped) xmlBufferFree(m_escaped);
        ThrowError(E_OUTOFMEMORY, L"out of memory while preparing the output");
    }
    m_encodingHint.encoding = BAD_CAST "UTF-16";
}

StreamOutput::~StreamOutput() {
    xmlOutputBufferClose(m_buffer);
    xmlBufferFree(m_escaped);
}

// libxml2 reports a failing write callback on stderr and then refuses all further output,
// so the callback never fails: it keeps the stream's status for ThrowIfFailed instead.
int StreamOutput::WriteBlock(void* context, const char* data, int length) {
    auto* self = static_cast<StreamOutput*>(context);
    if (SUCCEEDED(self->m_failure) && length > 0)
        self->m_failure = WriteAll(self->m_stream, data, static_cast<unsigned long>(length));
    return length;
}

void StreamOutput::ThrowIfFailed() const {
    if (FAILED(m_failure)) ThrowError(m_failure, L"the output stream failed");
}

void StreamOutput::Check(int result) const {
    ThrowIfFailed();
    if (result < 0) ThrowError(E_FAIL, L"the output could not be encoded");
}

void StreamOutput::Write(const char* utf8, std::size_t length) {
    while (length > 0) {
        const int chunk = static_cast<int>(std::min<std::size_t>(length, INT_MAX / 2));
        Check(xmlOutputBufferWrite(m_buffer, chunk, utf8));
        utf8 += chunk;
        length -= static_cast<std::size_t>(chunk);
    }
    ThrowIfFailed();
}

void StreamOutput::WriteText(const std::string& utf8) {
    Check(xmlOutputBufferWriteEscape(m_buffer, AsXml(utf8), nullptr));
}

void StreamOutput::WriteAttributeValue(const std::string& utf8) {
    xmlBufferEmpty(m_escaped);
    xmlAttrSerializeTxtContent(m_escaped, &m_encodingHint, nullptr, AsXml(utf8));
    Write(AsChars(xmlBufferContent(m_escaped)),
          static_cast<std::size_t>(xmlBufferLength(m_escaped)));
}

void StreamOutput::Flush() { Check(xmlOutputBufferFlush(m_buffer)); }

}  // namespace vdxml_engine
