#include "cli.h"

#include <cerrno>
#include <cstdlib>

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

}  // namespace vdxml_cli
