#include "engine/xml_save.h"

#include <libxml/xmlsave.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "engine/com_object.h"
#include "engine/error_capture.h"
#include "engine/xml_text.h"
#include "platform/files.h"

namespace vdxml_engine {
namespace {

// libxml2 reports a failing write callback on stderr, so the callback never fails: it keeps
// the first errno and drops everything after it.
struct FileOutput {
    std::FILE* file = nullptr;
    int error = 0;
};

int WriteFileBlock(void* context, const char* data, int length) {
    auto* output = static_cast<FileOutput*>(context);
    if (output->file && output->error == 0 &&
        std::fwrite(data, 1, static_cast<std::size_t>(length), output->file) !=
            static_cast<std::size_t>(length))
        output->error = errno != 0 ? errno : EIO;
    return length;
}

[[noreturn]] void ThrowErrno(int err) {
    ThrowError(HRESULT_FROM_WIN32(vdxml_platform::Win32ErrorFromErrno(err)),
               L"the document could not be written to the file");
}

class SaveContext {
  public:
    SaveContext(FileOutput& output, const char* encoding, int options)
        : m_context(xmlSaveToIO(WriteFileBlock, nullptr, &output, encoding, options)) {}
    ~SaveContext() { Close(); }
    SaveContext(const SaveContext&) = delete;
    SaveContext& operator=(const SaveContext&) = delete;
    xmlSaveCtxtPtr get() const { return m_context; }
    /// Flushes and frees the context; negative when libxml2 reported an error.
    int Close() { return m_context ? xmlSaveClose(std::exchange(m_context, nullptr)) : 0; }

  private:
    xmlSaveCtxtPtr m_context;
};

}  // namespace

void SaveTree(xmlDocPtr doc, bool declared, const std::string& path) {
    ErrorCapture capture;
    FileOutput output;
    const char* encoding = declared && doc->encoding ? AsChars(doc->encoding) : "UTF-8";
    SaveContext context(output, encoding, declared ? 0 : XML_SAVE_NO_DECL);
    if (!context.get()) ThrowError(E_INVALIDARG, L"the declared encoding cannot be written");

    // The file is touched only once the encoding is known to work.
    output.file = std::fopen(path.c_str(), "wb");
    if (!output.file) ThrowErrno(errno);
    const long written = xmlSaveDoc(context.get(), doc);
    const int closed = context.Close();
    if (std::fclose(output.file) != 0 && output.error == 0) output.error = errno != 0 ? errno : EIO;
    output.file = nullptr;
    if (output.error != 0) ThrowErrno(output.error);
    if (written < 0 || closed < 0) ThrowError(E_FAIL, L"the document could not be serialised");
}

}  // namespace vdxml_engine
