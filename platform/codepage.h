// The single-byte code page that stands for the Windows "ANSI" code page: Windows-1252.
// Text leaving the writer is passed through it, so characters it lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace vdxml_platform {

/// Wide text to Windows-1252 bytes, one byte per character: U+0000 to U+007F and U+00A0 to
/// U+00FF keep their value, the characters of 0x80 to 0x9F (the euro sign, typographic
/// quotes, ..., and the C1 controls standing for the unassigned bytes) get their byte, and
/// any other character becomes '?'.
std::string WideToAnsi(std::wstring_view text);
/// Windows-1252 bytes to wide text, one character per byte; the five bytes the code page
/// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the same code points, so that
/// AnsiToWide(WideToAnsi(text)) gives text back whenever no '?' was needed.
std::wstring AnsiToWide(std::string_view bytes);

}  // namespace vdxml_platform
