// The differential check of the two ways of reading a file: CVdXmlParser::ParseStream must send
// exactly the notifications that Parse sends (kinds, order, table slots and every value a
// reader can restore), or stop with VDXML_E_OUT_OF_ORDER after a prefix of them, or fail where
// Parse fails.
#pragma once

#include <string>
#include <vector>

namespace vdxml_fuzz {

/// The outcome of reading one file both ways.
struct StreamComparison {
    long parseStatus = 0;
    long streamStatus = 0;
    std::vector<std::string> parsed;    ///< one line per notification of Parse
    std::vector<std::string> streamed;  ///< the same for ParseStream
    /// Empty when the two agree as described above, else what differs.
    std::string difference;
};

/// Reads path with Parse and with ParseStream and compares them.
StreamComparison CompareReadings(const std::string& path);

}  // namespace vdxml_fuzz
