// Reading a document front to back as events, in memory bounded by its nesting depth, under the
// same protections as every DOM load. What the events carry is what the DOM of the same file
// would show: element names as written, texts with character references resolved, nothing of
// an entity reference's content, the "dt:dt"="datetime" mark as a typed value would see it.
#pragma once

#include <string>
#include <string_view>

#include "vdxml/engine/dom.h"

namespace vdxml_engine {

/// The attributes and the namespace of the element that opens, valid only during
/// StartElement. Nothing is converted until asked for, so a handler that never looks at them
/// pays nothing.
class XmlAttributes {
  public:
    /// libxml2's attribute array (five pointers per attribute) of count attributes; uri is the
    /// element's namespace (null for none).
    XmlAttributes(void* context, const unsigned char** attributes, int count,
                  const unsigned char* uri)
        : m_context(context), m_attributes(attributes), m_count(count), m_uri(uri) {}
    /// The value of the attribute localName in no namespace, with character and entity
    /// references resolved as a DOM attribute's value shows them; false when there is none.
    bool Find(std::string_view localName, std::string& value) const;
    /// The element's namespace name; empty for none.
    std::string_view ElementNamespace() const {
        return m_uri ? std::string_view(reinterpret_cast<const char*>(m_uri)) : std::string_view();
    }

  private:
    void* m_context;
    const unsigned char** m_attributes;
    int m_count;
    const unsigned char* m_uri;
};

/// Receives a document's elements and texts in document order. Each call returns true to go
/// on, false to stop the read at once. A call that raises (_com_error, std::exception) stops the
/// read too, which then fails with the raised status (E_OUTOFMEMORY for std::bad_alloc).
class XmlEventHandler {
  public:
    /// An element opens. qname is its qualified name as written ("v:Pnt"); isDateTime tells
    /// whether it carries the date-time data type, so that its typed value is a date; line is
    /// where its start tag ends; attributes are its attributes.
    virtual bool StartElement(std::string_view qname, bool isDateTime, long line,
                              const XmlAttributes& attributes) = 0;
    /// Text or CDATA content directly inside the innermost open element; one run of text may
    /// arrive in several calls.
    virtual bool Text(std::string_view utf8) = 0;
    /// The innermost open element closes.
    virtual bool EndElement() = 0;

  protected:
    ~XmlEventHandler() = default;
};

/// How a streamed read ended.
enum class StreamEnd {
    Complete,  ///< the document was well-formed and read to its end
    Stopped,   ///< the handler asked to stop
    Failed,    ///< the file could not be read or is not well-formed; see the error
};

/// Reads the file at path (UTF-8) and reports it to handler. On failure the events up to the
/// fault have been delivered and error tells why and where (a file error 0x8007xxxx with line
/// 0, or 0xC00C0000 | libxml2's code with its line and column).
StreamEnd StreamFile(const std::string& path, XmlEventHandler& handler, XmlParseError& error);

}  // namespace vdxml_engine
