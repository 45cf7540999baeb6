// vdxml sample: writes a survey file that uses every element kind the library writes.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli.h"
#include "code_page_option.h"
#include "sample_survey.h"

namespace vdxml_cli {
namespace {
const char* kSampleUsage =
    "Usage: vdxml sample -o FILE [--stream|--dom] [--points N] [--codepage NAME]\n"
    "\n"
    "Writes a survey file with N generated points (default 10) on a local grid with their\n"
    "WGS 84 positions, coordinate differences, a coordinate system with a transformation,\n"
    "total-station, GPS, thematic and stakeout elements.\n"
    "\n"
    "  -o, --output FILE   where to write (required)\n"
    "  --stream            write front to back in constant memory (default)\n"
    "  --dom               build the document in memory and save it at the end\n"
    "  --points N          number of points, 1 to 100000000\n";

// A one-line bar on standard error, redrawn at most a few hundred times.
class ProgressBar {
  public:
    explicit ProgressBar(long long total)
        : m_total(total), m_step(total / 200 > 0 ? total / 200 : 1) {}
    void Update(long long done) {
        if (done % m_step != 0 && done != m_total) return;
        const int width = 40;
        const int filled = static_cast<int>(width * done / m_total);
        std::fprintf(stderr, "\r[%.*s%*s] %lld/%lld points", filled,
                     "########################################", width - filled, "", done, m_total);
        if (done == m_total) std::fputc('\n', stderr);
    }

  private:
    long long m_total;
    long long m_step;
};
}  // namespace

int RunSample(Args args) {
    SampleOptions options;
    const std::string usage = std::string(kSampleUsage) + kCodePageUsage;
    const bool goOn = ReadArguments(args, usage.c_str(), nullptr, [&](const std::string& arg) {
        if (arg == "-o" || arg == "--output")
            options.file = args.Value(arg);
        else if (arg == "--stream")
            options.backEnd = IVdXmlDoc::DOCTYPE_STREAM;
        else if (arg == "--dom")
            options.backEnd = IVdXmlDoc::DOCTYPE_DOM;
        else if (arg == "--points")
            options.points = args.Number(arg, 1, 100000000);
        else if (arg == "--codepage")
            options.codePage = CodePageOption(args.Value(arg));
        else
            return false;
        return true;
    });
    if (!goOn) return kExitOk;
    if (options.file.empty()) throw UsageError("no output file given (-o FILE)");

    const bool showProgress = options.points >= 10000 && isatty(STDERR_FILENO);
    ProgressBar bar(options.points);
    const long hr = WriteSampleSurvey(options, [&](long long done) {
        if (showProgress) bar.Update(done);
    });
    if (FAILED(hr)) {
        ReportError(options.file, "writing failed: " + StatusWords(hr));
        return kExitBadInput;
    }
    std::printf("%s: %lld points written\n", options.file.c_str(), options.points);
    return kExitOk;
}

}  // namespace vdxml_cli
