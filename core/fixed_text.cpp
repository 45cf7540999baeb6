#include "core/fixed_text.h"

#include <langinfo.h>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace vdxml_core {

std::size_t FormatFixed(char (&out)[kFixedTextCapacity], double value, int decimals) {
    // std::to_chars rounds the exact binary value as printf does (ties to even), several
    // times faster. It always writes a point, printf the locale's: printf stays in charge
    // under a locale with another decimal point, and for anything to_chars refuses.
    if (std::string_view(nl_langinfo(RADIXCHAR)) == ".") {
        const auto result = std::to_chars(out, out + kFixedTextCapacity - 1, value,
                                          std::chars_format::fixed, decimals);
        if (result.ec == std::errc()) {
            *result.ptr = '\0';
            return static_cast<std::size_t>(result.ptr - out);
        }
    }
    const int length = std::snprintf(out, kFixedTextCapacity, "%.*f", decimals, value);
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

}  // namespace vdxml_core
