#include "survey_layout.h"

#include <ctime>

namespace vdxml_bench {

std::string FileCreatedNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S.0000", &local);
    return text;
}

}  // namespace vdxml_bench
