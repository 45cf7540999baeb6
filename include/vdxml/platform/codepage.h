// The single-byte code page that stands for the Windows "ANSI" code page: Windows-1252.
// Text leaving the writer is passed through it, so characters it lacks become "?".
#pragma once

#include <string>
#include <string_view>

namespace VdXmlPlatform {

/// Wide text to Windows-1252 bytes; a character the code page lacks becomes '?'.
std::string WideToAnsi(std::wstring_view text);
/// Windows-1252 bytes to wide text; the five unassigned bytes map to the same code points.
std::wstring AnsiToWide(std::string_view bytes);

}  // namespace VdXmlPlatform
