// The streaming writer's output: libxml2's output buffer with its UTF-16 encoder, handing every
// filled block to an IStream. Memory use is bounded by the buffer, whatever is written.
#pragma once

#include <libxml/tree.h>
#include <libxml/xmlIO.h>

#include <string>

#include "vdxml/engine/stream.h"
#include "vdxml/platform/com_ptr.h"

namespace vdxml_engine {

class StreamOutput {
  public:
    /// Output to stream, starting with the byte-order mark FF FE. Raises E_OUTOFMEMORY.
    explicit StreamOutput(_com_ptr_t<IStream> stream);
    /// Hands what is still buffered to the stream; a failure at this point is not reported.
    ~StreamOutput();
    StreamOutput(const StreamOutput&) = delete;
    StreamOutput& operator=(const StreamOutput&) = delete;

    /// Markup, written as is.
    void Write(const char* utf8, std::size_t length);
    void Write(const std::string& utf8) { Write(utf8.data(), utf8.size()); }
    /// Character data, escaped as libxml2 escapes text content.
    void WriteText(const std::string& utf8);
    /// An attribute value for "..." quotes, escaped as libxml2 escapes attribute values.
    void WriteAttributeValue(const std::string& utf8);
    /// Hands everything buffered to the stream.
    void Flush();

    /// Raises the stream's failure, if a Write of the stream has failed. The first failure
    /// sticks: nothing more reaches the stream after it.
    void ThrowIfFailed() const;

  private:
    static int WriteBlock(void* context, const char* data, int length);
    void Check(int result) const;

    _com_ptr_t<IStream> m_stream;
    xmlOutputBufferPtr m_buffer = nullptr;
    xmlBufferPtr m_escaped = nullptr;
    // libxml2's attribute escaper looks at a document only for its encoding: with one set it
    // leaves non-ASCII characters alone (the encoder handles them).
    xmlDoc m_encodingHint{};
    long m_failure = S_OK;
};

}  // namespace vdxml_engine
