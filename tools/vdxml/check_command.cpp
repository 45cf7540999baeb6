// vdxml check FILE: loads the file with the hardened XML engine and reports where it breaks.
#include <cstdio>

#include "cli.h"
#include "vdxml/engine/dom.h"
#include "vdxml/engine/factory.h"

namespace vdxml_cli {

namespace {
const char* kCheckUsage =
    "Usage: vdxml check FILE\n"
    "\n"
    "Loads FILE the way the library reads it (no network, no external entities).\n"
    "Prints 'FILE: well-formed' and exits 0, or 'FILE:LINE: message' and exits 1.\n";
}

int RunCheck(Args args) {
    std::string file;
    while (!args.Empty()) {
        const std::string arg = args.Next();
        if (IsHelp(arg)) {
            std::fputs(kCheckUsage, stdout);
            return kExitOk;
        }
        TakeFileArgument(arg, file);
    }
    RequireFile(file);

    IXMLDOMDocument2Ptr doc;
    const long hr = CreateEngineObject(doc, L"MsXml2.DomDocument.4.0");
    if (FAILED(hr)) {
        ReportError(file, "no XML engine available (" + StatusText(hr) + ")");
        return kExitBadInput;
    }
    if (doc->load(_variant_t(_bstr_t(file.c_str())))) {
        std::printf("%s: well-formed\n", file.c_str());
        return kExitOk;
    }
    const XmlParseError error = doc->GetparseError();
    std::string reason = error.reason.utf8();
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
    if (reason.empty()) reason = "cannot be loaded";
    std::fprintf(stderr, "%s:%ld: %s\n", file.c_str(), error.line, reason.c_str());
    return kExitBadInput;
}

}  // namespace vdxml_cli
