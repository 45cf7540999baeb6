// vdxml: writes sample survey files and inspects, dumps, exports and checks existing ones.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli.h"
#include "plot_command.h"

namespace {
const char* kUsage =
    "Usage: vdxml COMMAND [OPTIONS] [FILE]\n"
    "\n"
    "Writes and reads land-survey XML exchange files.\n"
    "\n"
    "Commands:\n"
    "  sample   write a survey file that uses every element kind\n"
    "  info     company, application, units, creation time and element counts of a file\n"
    "  dump     the record tree of a file with pre-order indices (text or JSON)\n"
    "  export   the points of a file as CSV or GeoJSON, or the file as LandXML\n"
    "  import   a LandXML document as a survey file\n"
    "  check    whether a file is well-formed; FILE:LINE: message when not\n"
    "  validate every problem of files against the format, FILE:LINE: message each\n"
    "  plot     the plan of a project as an SVG picture\n"
    "\n"
    "Options:\n"
    "  -h, --help     this help; `vdxml COMMAND --help` for a command's options\n"
    "  --version      the version of the tool and library\n"
    "\n"
    "Exit status: 0 success, 1 bad input, 2 usage error.\n";

struct Command {
    const char* name;
    int (*run)(vdxml_cli::Args);
};
const Command kCommands[] = {{"sample", vdxml_cli::RunSample}, {"info", vdxml_cli::RunInfo},
                             {"dump", vdxml_cli::RunDump},     {"export", vdxml_cli::RunExport},
                             {"check", vdxml_cli::RunCheck},   {"validate", vdxml_cli::RunValidate},
                             {"plot", vdxml_cli::RunPlot},     {"import", vdxml_cli::RunImport}};
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return vdxml_cli::kExitUsage;
    }
    const std::string first = argv[1];
    if (vdxml_cli::IsHelp(first)) {
        std::fputs(kUsage, stdout);
        return vdxml_cli::kExitOk;
    }
    if (first == "--version") {
        std::printf("vdxml %s\n", VDXML_VERSION_TEXT);
        return vdxml_cli::kExitOk;
    }
    for (const Command& command : kCommands) {
        if (first != command.name) continue;
        try {
            return command.run(vdxml_cli::Args(std::vector<std::string>(argv + 2, argv + argc)));
        } catch (const vdxml_cli::UsageError& e) {
            std::fprintf(stderr, "vdxml %s: %s\nTry 'vdxml %s --help'.\n", command.name, e.what(),
                         command.name);
            return vdxml_cli::kExitUsage;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vdxml %s: %s\n", command.name, e.what());
            return vdxml_cli::kExitBadInput;
        }
    }
    std::fprintf(stderr, "vdxml: unknown command '%s'\nTry 'vdxml --help'.\n", first.c_str());
    return vdxml_cli::kExitUsage;
}
