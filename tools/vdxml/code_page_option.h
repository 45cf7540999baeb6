// The --codepage option of the commands that write a file: the name a user gives, turned into
// the library's code page.
#pragma once

#include <string>

#include "vdxml/code_page.h"

namespace vdxml_cli {

/// Lines for a command's usage text that describe --codepage NAME.
extern const char* const kCodePageUsage;

/// The code page that name stands for (VdXml::CodePageFromName, case aside: "1250" to
/// "1257", "windows-1250", "cp1250", ..., "utf-8"); a UsageError naming the accepted names
/// for any other.
VDXML_CODEPAGE CodePageOption(const std::string& name);

}  // namespace vdxml_cli
