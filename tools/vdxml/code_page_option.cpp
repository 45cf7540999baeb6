#include "code_page_option.h"

#include "cli.h"

namespace vdxml_cli {

const char* const kCodePageUsage =
    "  --codepage NAME     the code page every text passes through: 1250 to 1257 (also\n"
    "                      windows-1250, cp1250, ...) keep that page's characters and turn\n"
    "                      others into '?'; utf-8 keeps every character (default 1252)\n";

VDXML_CODEPAGE CodePageOption(const std::string& name) {
    VDXML_CODEPAGE page = VDXML_CODEPAGE_1252;
    if (!VdXml::CodePageFromName(name.c_str(), page))
        throw UsageError("unknown code page '" + name +
                         "' (--codepage takes 1250 to 1257, windows-1250, cp1250, ... or utf-8)");
    return page;
}

}  // namespace vdxml_cli
