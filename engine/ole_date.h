// Date-time texts of the data type "datetime" as OLE Automation dates.
#pragma once

#include <string_view>

namespace vdxml_engine {

/// Reads "YYYY-MM-DD", optionally followed by "Thh:mm", ":ss" and a fraction ".f..." of the
/// second (surrounding white space is ignored), as an OLE Automation date: days since
/// 30 December 1899, the time of day as the fraction (for days before that date the fraction
/// counts away from zero, as OLE dates do). Years 100 to 9999. False when the text is not
/// such a date-time or names a day or time that does not exist.
bool ParseDateTime(std::string_view text, double& oleDate);

}  // namespace vdxml_engine
