#include "vdxml/code_page.h"

#include <string>

#include "platform/codepage.h"

namespace {
bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }
}  // namespace

bool VdXml::CodePageFromName(const char* name, VDXML_CODEPAGE& page) {
    if (!name) return false;
    std::string text(name);
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (text == "utf-8" || text == "utf8")
        text = std::to_string(vdxml_platform::kUtf8CodePage);
    else if (StartsWith(text, "windows-"))
        text.erase(0, 8);
    else if (StartsWith(text, "cp"))
        text.erase(0, 2);
    // A plain number without a leading zero, short enough for any page's number.
    if (text.empty() || text.size() > 5 || text[0] == '0') return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const auto number = static_cast<std::uint32_t>(std::stoul(text));
    if (!vdxml_platform::IsKnownCodePage(number)) return false;
    page = static_cast<VDXML_CODEPAGE>(number);
    return true;
}
