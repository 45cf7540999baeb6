#include "engine/file_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/xml_text.h"
#include "platform/files.h"

namespace vdxml_engine {
namespace {

void SystemError(XmlParseError& error, int err, const char* what) {
    error.errorCode = HRESULT_FROM_WIN32(vdxml_platform::Win32ErrorFromErrno(err));
    error.line = 0;
    error.linepos = 0;
    error.reason = FromUtf8(std::string(what) + ": " + std::strerror(err));
}

}  // namespace

FileInput::~FileInput() {
    if (m_fd >= 0) close(m_fd);
}

bool FileInput::Open(const std::string& path, XmlParseError& error) {
    m_fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd >= 0) return true;
    SystemError(error, errno, "cannot open the file");
    return false;
}

xmlParserCtxtPtr FileInput::CreateContext(xmlSAXHandlerPtr sax, void* userData) {
    return xmlCreateIOParserCtxt(sax, userData, &FileInput::ReadBlock, &FileInput::KeepOpen, this,
                                 XML_CHAR_ENCODING_NONE);
}

bool FileInput::ReadFailed(XmlParseError& error) const {
    if (m_readError == 0) return false;
    SystemError(error, m_readError, "cannot read the file");
    return true;
}

int FileInput::ReadBlock(void* context, char* buffer, int length) {
    auto* input = static_cast<FileInput*>(context);
    for (;;) {
        const ssize_t n = read(input->m_fd, buffer, static_cast<size_t>(length));
        if (n >= 0) return static_cast<int>(n);
        if (errno == EINTR) continue;
        input->m_readError = errno;
        return -1;
    }
}

void ApplyParseProtections(xmlParserCtxtPtr context, int extraOptions) {
    // Never XML_PARSE_NOENT, XML_PARSE_DTDLOAD, XML_PARSE_DTDATTR, XML_PARSE_DTDVALID,
    // XML_PARSE_XINCLUDE or XML_PARSE_HUGE.
    xmlCtxtUseOptions(context, XML_PARSE_NONET | extraOptions);
    context->loadsubset = 0;
    context->replaceEntities = 0;
    context->validate = 0;
}

}  // namespace vdxml_engine
