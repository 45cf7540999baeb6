// Fixed-point text of a double, exactly as printf's "%.*f" writes it, mostly without
// going through printf.
#pragma once

#include <cstddef>

namespace vdxml_core {

/// Room for the fixed text of any finite double with up to kFixedTextMaxDecimals decimals:
/// sign, 309 integer digits, point, decimals and the terminating zero.
constexpr int kFixedTextMaxDecimals = 1100;
constexpr std::size_t kFixedTextCapacity = 1 + 309 + 1 + kFixedTextMaxDecimals + 1;

/// Writes value (finite) with decimals (0 to kFixedTextMaxDecimals) digits after the point
/// into out, zero-terminated; returns the text's length.
std::size_t FormatFixed(char (&out)[kFixedTextCapacity], double value, int decimals);

}  // namespace vdxml_core
