// Reading a file into libxml2 through an open descriptor, so that a failing read is told
// apart from malformed content, for the DOM load and the streaming read alike.
#pragma once

#include <libxml/parser.h>

#include <string>

#include "vdxml/engine/dom.h"

namespace vdxml_engine {

/// An open file that libxml2 reads block by block; closed by the destructor.
class FileInput {
  public:
    FileInput() = default;
    ~FileInput();
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;

    /// Opens path (UTF-8) for reading. False with error filled (the Win32 form of errno, line
    /// 0) when it cannot be opened.
    bool Open(const std::string& path, XmlParseError& error);
    /// A parser context reading this file with the given handler (null: libxml2's tree
    /// builder) and user data; null when out of memory.
    xmlParserCtxtPtr CreateContext(xmlSAXHandlerPtr sax, void* userData);
    /// After a parse: true, with error filled, when a read of the file failed.
    bool ReadFailed(XmlParseError& error) const;

  private:
    static int ReadBlock(void* context, char* buffer, int length);
    static int KeepOpen(void*) { return 0; }  // the destructor closes it

    int m_fd = -1;
    int m_readError = 0;
};

/// The protections of every parse, set on a new context: no network, no DTD loading, no
/// entity substitution, no validation, whatever the process-wide defaults say; libxml2's depth
/// and size limits stay on (XML_PARSE_HUGE is never set).
void ApplyParseProtections(xmlParserCtxtPtr context, int extraOptions = 0);

}  // namespace vdxml_engine
