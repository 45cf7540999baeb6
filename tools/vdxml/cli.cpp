#include "cli.h"

#include <cerrno>
#include <cstdlib>

#include "vdxml/record_tree.h"

namespace vdxml_cli {

std::string Args::Value(const std::string& option) {
    if (Empty()) throw UsageError(option + " needs a value");
    return Next();
}

long long Args::Number(const std::string& option, long long min, long long max) {
    const std::string text = Value(option);
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < min || value > max)
        throw UsageError(option + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    return value;
}

void ReportError(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "vdxml: %s: %s\n", file.c_str(), message.c_str());
}

std::string StatusText(long status) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX",
                  static_cast<unsigned long>(status) & 0xFFFFFFFFul);
    return buffer;
}

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

void TakeFileArgument(const std::string& argument, std::string& file) {
    if (!file.empty() || (argument.size() > 1 && argument[0] == '-'))
        throw UsageError("unexpected argument '" + argument + "'");
    file = argument;
}

void RequireFile(const std::string& file) {
    if (file.empty()) throw UsageError("no FILE given");
}

bool LoadSurvey(const std::string& file, CVdXmlTree& tree) {
    const long hr = tree.Load(file.c_str());
    if (SUCCEEDED(hr)) return true;
    ReportError(file,
                "cannot be read as a survey file (" + StatusText(hr) + "); try 'vdxml check'");
    return false;
}

}  // namespace vdxml_cli
