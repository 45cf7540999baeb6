// vdxml export FILE --to landxml and vdxml import FILE.landxml: the library's LandXML
// conversion, with its summary on standard error and a clear message when it fails.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "cli.h"
#include "code_page_option.h"
#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
const char* kImportUsage =
    "Usage: vdxml import FILE.landxml -o OUT.xml [--stream|--dom] [--codepage NAME]\n"
    "\n"
    "Writes the LandXML 1.2 document FILE as a survey file OUT: units, projects, coordinate\n"
    "system names, points (CgPoints), total-station setups and raw observations (see\n"
    "docs/landxml.md). Elements outside that mapping are skipped and counted. OUT replaces an\n"
    "older file only when complete.\n"
    "  --stream            write front to back in constant memory (default)\n"
    "  --dom               build the file in memory, then save it\n";

// The summary line and the messages, on standard output unless the document goes there.
void PrintSummary(std::FILE* to, const char* verb, const VDXML_LANDXML_SUMMARY& s) {
    std::fprintf(to,
                 "%s %lld points, %lld setups, %lld observations, %lld baselines; "
                 "%lld elements skipped\n",
                 verb, s.points, s.setups, s.observations, s.baselines, s.skipped);
}

void PrintMessages(std::FILE* to, const VDXML_LANDXML_SUMMARY& s) {
    for (const _bstr_t& message : s.messages) std::fprintf(to, "  %s\n", message.utf8().c_str());
}

// Standard output takes a finished document: it is written to a temporary file first, so
// that a file that breaks part-way leaves nothing on standard output.
std::string TemporaryPath() {
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir && *dir ? dir : "/tmp") + "/vdxml-landxml-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return "";
    close(fd);
    return path;
}

bool CopyToStandardOutput(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::cout << in.rdbuf();
    std::cout.flush();
    return static_cast<bool>(std::cout);
}
}  // namespace

int RunLandXmlExport(const std::string& file, const std::string& output) {
    const std::string target = output.empty() ? TemporaryPath() : output;
    if (target.empty()) {
        ReportError("temporary file", "cannot be created");
        return kExitBadInput;
    }
    VDXML_LANDXML_SUMMARY summary;
    const long hr = VdXml::ExportLandXml(file.c_str(), target.c_str(), &summary);
    if (FAILED(hr)) {
        if (output.empty()) std::remove(target.c_str());
        ReportError(file, "cannot be exported to LandXML (" + StatusText(hr) + ")");
        PrintMessages(stderr, summary);
        return kExitBadInput;
    }
    bool written = true;
    if (output.empty()) {
        written = CopyToStandardOutput(target);
        std::remove(target.c_str());
    }
    std::FILE* to = output.empty() ? stderr : stdout;
    PrintSummary(to, "exported", summary);
    PrintMessages(to, summary);
    if (!written) {
        ReportError("standard output", "write failed");
        return kExitBadInput;
    }
    return kExitOk;
}

int RunImport(Args args) {
    std::string file, output;
    IVdXmlDoc::enmDocType backEnd = IVdXmlDoc::DOCTYPE_STREAM;
    VDXML_CODEPAGE codePage = VDXML_CODEPAGE_1252;
    const std::string usage = std::string(kImportUsage) + kCodePageUsage;
    const bool goOn = ReadArguments(args, usage.c_str(), &file, [&](const std::string& arg) {
        if (arg == "-o" || arg == "--output")
            output = args.Value(arg);
        else if (arg == "--codepage")
            codePage = CodePageOption(args.Value(arg));
        else if (arg == "--stream")
            backEnd = IVdXmlDoc::DOCTYPE_STREAM;
        else if (arg == "--dom")
            backEnd = IVdXmlDoc::DOCTYPE_DOM;
        else
            return false;
        return true;
    });
    if (!goOn) return kExitOk;
    if (output.empty()) throw UsageError("-o OUT is required");
    VDXML_LANDXML_SUMMARY summary;
    const long hr = VdXml::ImportLandXml(file.c_str(), output.c_str(), backEnd, codePage, &summary);
    if (FAILED(hr)) {
        ReportError(file, "cannot be imported from LandXML (" + StatusText(hr) + ")");
        PrintMessages(stderr, summary);
        return kExitBadInput;
    }
    PrintSummary(stdout, "imported", summary);
    PrintMessages(stdout, summary);
    return kExitOk;
}

}  // namespace vdxml_cli
