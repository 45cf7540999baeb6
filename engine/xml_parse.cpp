#include "engine/xml_parse.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>  // xmlCreateMemoryParserCtxt

#include <cerrno>
#include <climits>
#include <cstring>

#include "engine/error_capture.h"
#include "engine/file_input.h"
#include "engine/libxml_setup.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// Runs the parse on a context made by makeContext, inside the guards. Owns the context.
template <class MakeContext>
xmlDocPtr Parse(MakeContext makeContext, int extraOptions, XmlParseError& error) {
    ExternalLoadBlock block;
    ErrorCapture capture;
    xmlParserCtxtPtr context = makeContext();
    xmlDocPtr doc = nullptr;
    if (context) {
        ApplyParseProtections(context, extraOptions);
        xmlParseDocument(context);
        doc = context->myDoc;
        context->myDoc = nullptr;
        if (doc && !context->wellFormed) {
            xmlFreeDoc(doc);
            doc = nullptr;
        }
        xmlFreeParserCtxt(context);
    }
    if (doc) {
        error = XmlParseError();
        return doc;
    }
    ReportParseFailure(capture, context != nullptr, error);
    return nullptr;
}

}  // namespace

void ReportParseFailure(const ErrorCapture& capture, bool contextMade, XmlParseError& error) {
    if (capture.HasError()) {
        error.errorCode = ParseErrorStatus(capture.Code());
        error.line = capture.Line();
        error.linepos = capture.Column();
        error.reason = FromUtf8(capture.Message());
    } else {
        error.errorCode = contextMade ? E_FAIL : E_OUTOFMEMORY;
        error.line = 0;
        error.linepos = 0;
        error.reason = _bstr_t(L"the document could not be parsed");
    }
}

long ParseErrorStatus(int libxmlCode) {
    return vdxml_detail::FromHresult(0xC00C0000u |
                                     (static_cast<std::uint32_t>(libxmlCode) & 0xFFFFu));
}

xmlDocPtr ParseFile(const std::string& path, XmlParseError& error) {
    FileInput input;
    if (!input.Open(path, error)) return nullptr;
    xmlDocPtr doc = Parse([&] { return input.CreateContext(nullptr, nullptr); }, 0, error);
    if (!doc) input.ReadFailed(error);
    return doc;
}

xmlDocPtr ParseText(const std::string& utf8, XmlParseError& error) {
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        error.errorCode = E_INVALIDARG;
        error.line = error.linepos = 0;
        error.reason = _bstr_t(L"the text is too long");
        return nullptr;
    }
    if (utf8.empty()) {  // libxml2 makes no context for an empty buffer
        error.errorCode = ParseErrorStatus(XML_ERR_DOCUMENT_EMPTY);
        error.line = error.linepos = 0;
        error.reason = _bstr_t(L"Document is empty");
        return nullptr;
    }
    return Parse(
        [&] { return xmlCreateMemoryParserCtxt(utf8.data(), static_cast<int>(utf8.size())); },
        XML_PARSE_IGNORE_ENC, error);
}

}  // namespace vdxml_engine
