#include "engine/xml_parse.h"

#include <fcntl.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>  // xmlCreateMemoryParserCtxt
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "engine/error_capture.h"
#include "engine/libxml_setup.h"
#include "engine/xml_text.h"
#include "vdxml/platform/files.h"

namespace VdXmlEngine {
namespace {

// Never XML_PARSE_NOENT, XML_PARSE_DTDLOAD, XML_PARSE_DTDATTR, XML_PARSE_DTDVALID,
// XML_PARSE_XINCLUDE or XML_PARSE_HUGE.
constexpr int kParseOptions = XML_PARSE_NONET;

struct FileInput {
    int fd = -1;
    int readError = 0;
    ~FileInput() {
        if (fd >= 0) close(fd);
    }
};

int ReadFileBlock(void* context, char* buffer, int length) {
    auto* input = static_cast<FileInput*>(context);
    for (;;) {
        const ssize_t n = read(input->fd, buffer, static_cast<size_t>(length));
        if (n >= 0) return static_cast<int>(n);
        if (errno == EINTR) continue;
        input->readError = errno;
        return -1;
    }
}

int KeepFileOpen(void*) { return 0; }  // FileInput closes it

long StatusFromErrno(int err) {
    return HRESULT_FROM_WIN32(VdXmlPlatform::Win32ErrorFromErrno(err));
}

void SystemError(XmlParseError& error, int err, const char* what) {
    error.errorCode = StatusFromErrno(err);
    error.line = 0;
    error.linepos = 0;
    error.reason = FromUtf8(std::string(what) + ": " + std::strerror(err));
}

// Runs the parse on a context made by makeContext, inside the guards. Owns the context.
template <class MakeContext>
xmlDocPtr Parse(MakeContext makeContext, int options, XmlParseError& error) {
    ExternalLoadBlock block;
    ErrorCapture capture;
    xmlParserCtxtPtr context = makeContext();
    xmlDocPtr doc = nullptr;
    if (context) {
        xmlCtxtUseOptions(context, options);
        // Whatever process-wide defaults say: no external subset, no substitution, no validation.
        context->loadsubset = 0;
        context->replaceEntities = 0;
        context->validate = 0;
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
    if (capture.HasError()) {
        error.errorCode = ParseErrorStatus(capture.Code());
        error.line = capture.Line();
        error.linepos = capture.Column();
        error.reason = FromUtf8(capture.Message());
    } else {
        error.errorCode = context ? E_FAIL : E_OUTOFMEMORY;
        error.line = 0;
        error.linepos = 0;
        error.reason = _bstr_t(L"the document could not be parsed");
    }
    return nullptr;
}

}  // namespace

long ParseErrorStatus(int libxmlCode) {
    return vdxml_detail::FromHresult(0xC00C0000u |
                                     (static_cast<std::uint32_t>(libxmlCode) & 0xFFFFu));
}

xmlDocPtr ParseFile(const std::string& path, XmlParseError& error) {
    FileInput input;
    input.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (input.fd < 0) {
        SystemError(error, errno, "cannot open the file");
        return nullptr;
    }
    xmlDocPtr doc = Parse(
        [&] {
            return xmlCreateIOParserCtxt(nullptr, nullptr, ReadFileBlock, KeepFileOpen, &input,
                                         XML_CHAR_ENCODING_NONE);
        },
        kParseOptions, error);
    if (!doc && input.readError != 0) SystemError(error, input.readError, "cannot read the file");
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
        kParseOptions | XML_PARSE_IGNORE_ENC, error);
}

}  // namespace VdXmlEngine
