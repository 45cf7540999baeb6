// vdxml check FILE: reads the file as the library reads it and reports where it breaks.
#include <cstdio>

#include "cli.h"

namespace vdxml_cli {

namespace {
// The read alone decides: nothing is kept of what it reports.
class NoReader : public SurveyReader {
  public:
    void Reset() override {}
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
};

const char* kCheckUsage =
    "Usage: vdxml check FILE\n"
    "\n"
    "Reads FILE the way the library reads it (streamed; no network, no external entities).\n"
    "Prints 'FILE: well-formed' and exits 0, or 'FILE:LINE: message' and exits 1.\n";
}  // namespace

int RunCheck(Args args) {
    std::string file;
    if (!ReadArguments(args, kCheckUsage, &file)) return kExitOk;

    NoReader reader;
    const ReadOutcome outcome = ReadSurvey(file, reader);
    if (SUCCEEDED(outcome.status) || outcome.status == kNoSurveyElement) {
        std::printf("%s: well-formed\n", file.c_str());
        return kExitOk;
    }
    std::string reason = outcome.error.reason.utf8();
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
    if (reason.empty()) reason = "cannot be loaded";
    std::fprintf(stderr, "%s:%ld: %s\n", file.c_str(), outcome.error.line, reason.c_str());
    return kExitBadInput;
}

}  // namespace vdxml_cli
