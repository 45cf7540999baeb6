#include "engine/error_capture.h"

#include <libxml/globals.h>

#include "engine/libxml_setup.h"

namespace vdxml_engine {
namespace {

thread_local ErrorCapture* t_capture = nullptr;

// Unstructured messages (a few libxml2 paths still use them) are dropped: the structured
// report of the same failure carries the code and position.
void SilentGeneric(void*, const char*, ...) {}

}  // namespace

ErrorCapture::ErrorCapture() : m_outer(t_capture) {
    EnsureLibxml();
    m_savedStructured = xmlStructuredError;
    m_savedStructuredContext = xmlStructuredErrorContext;
    m_savedGeneric = xmlGenericError;
    m_savedGenericContext = xmlGenericErrorContext;
    xmlSetStructuredErrorFunc(nullptr, &ErrorCapture::Handler);
    xmlSetGenericErrorFunc(nullptr, &SilentGeneric);
    t_capture = this;
}

ErrorCapture::~ErrorCapture() {
    t_capture = m_outer;
    xmlSetStructuredErrorFunc(m_savedStructuredContext, m_savedStructured);
    xmlSetGenericErrorFunc(m_savedGenericContext, m_savedGeneric);
}

void ErrorCapture::Handler(void*, xmlErrorPtr error) {
    if (t_capture && error) t_capture->Record(*error);
}

void ErrorCapture::Record(const xmlError& error) {
    if (m_code != 0 || error.level < XML_ERR_ERROR || error.code == 0) return;
    m_code = error.code;
    m_line = error.line;
    m_column = error.int2;
    m_message = error.message ? error.message : "";
    while (!m_message.empty() && (m_message.back() == '\n' || m_message.back() == '\r'))
        m_message.pop_back();
}

}  // namespace vdxml_engine
