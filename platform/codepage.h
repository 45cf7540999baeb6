// The code pages through which texts pass on their way into a file: the single-byte Windows
// code pages 1250 to 1257 and UTF-8. A text comes back from its page with every character the
// page lacks as "?" and control characters as blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vdxml_platform {

/// The number of the UTF-8 code page.
constexpr std::uint32_t kUtf8CodePage = 65001;

/// True for the code pages texts can pass through: 1250 to 1257 and 65001 (UTF-8).
bool IsKnownCodePage(std::uint32_t codePage);

/// Passes text through codePage and back: a character the page holds keeps its value, any
/// other becomes '?'. A single-byte page holds ASCII and the characters of its bytes 0x80 to
/// 0xFF (an unassigned byte below 0xA0 stands for the C1 control of its value); UTF-8 holds every
/// character XML allows. Control characters (C0, DEL, C1) and the soft hyphen the page holds
/// become blanks.
/// @return false, leaving text as it was, for a code page that is not known
bool PassThroughCodePage(std::uint32_t codePage, std::wstring& text);

/// Wide text to Windows-1252 bytes, one byte per character; a character the page lacks
/// becomes '?'.
std::string WideToAnsi(std::wstring_view text);
/// Windows-1252 bytes to wide text, one character per byte, so that
/// AnsiToWide(WideToAnsi(text)) gives text back whenever no '?' was needed.
std::wstring AnsiToWide(std::string_view bytes);

}  // namespace vdxml_platform
