// Collects libxml2's error reports on the calling thread instead of letting libxml2 print them.
#pragma once

#include <libxml/xmlerror.h>

#include <string>

namespace vdxml_engine {

/// While alive, libxml2 errors raised on this thread are recorded here (the first one of
/// error level or worse is kept) and nothing reaches stderr. Scopes may nest.
class ErrorCapture {
  public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    /// A handler to install as a parser context's structured error callback; it reports to
    /// the innermost capture of the calling thread.
    static void Handler(void* unused, xmlErrorPtr error);

    bool HasError() const { return m_code != 0; }
    int Code() const { return m_code; }
    int Line() const { return m_line; }
    int Column() const { return m_column; }
    /// libxml2's message without its trailing line break.
    const std::string& Message() const { return m_message; }

  private:
    void Record(const xmlError& error);

    ErrorCapture* m_outer;
    xmlStructuredErrorFunc m_savedStructured;
    void* m_savedStructuredContext;
    xmlGenericErrorFunc m_savedGeneric;
    void* m_savedGenericContext;
    int m_code = 0;
    int m_line = 0;
    int m_column = 0;
    std::string m_message;
};

}  // namespace vdxml_engine
