// Writing an XML document of another vocabulary in UTF-8, element by element, front to back,
// through libxml2's text writer: names, attribute values and texts are escaped by libxml2,
// never by hand. Memory stays bounded by the nesting depth.
#pragma once

#include <cstdio>
#include <string_view>

namespace vdxml_engine {

/// Writes to a C stream it does not own. Every call raises _com_error when libxml2 or the
/// stream fails (a file error 0x8007xxxx when the system said why, else E_FAIL).
class Utf8XmlWriter {
  public:
    /// A writer onto file. A document starts with the declaration (version 1.0, UTF-8) and is
    /// indented; a fragment has neither, to be appended to a document later (AppendFragment).
    Utf8XmlWriter(std::FILE* file, bool document);
    /// Releases libxml2's writer; an unfinished document is left as it is.
    ~Utf8XmlWriter();
    Utf8XmlWriter(const Utf8XmlWriter&) = delete;
    Utf8XmlWriter& operator=(const Utf8XmlWriter&) = delete;

    /// Opens element name; with a namespace, it is declared on this element as the default.
    void Start(std::string_view name, std::string_view namespaceUri = {});
    /// An attribute of the element just opened.
    void Attribute(std::string_view name, std::string_view value);
    /// Text inside the open element.
    void Text(std::string_view text);
    /// Closes the innermost open element.
    void End();
    /// Copies the bytes of fragment (rewound first) after what was written: the elements
    /// another writer put into a fragment stream, now finished.
    void AppendFragment(std::FILE* fragment);
    /// Closes every open element, ends the document and flushes it to the stream.
    void Finish();

  private:
    void Check(int result) const;

    struct Impl;
    Impl* m_impl;
};

}  // namespace vdxml_engine
