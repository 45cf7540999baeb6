// Durations as written by the time-span entries ("[-]PnDTnHnMn.nnnnS"), turned back into days.
#pragma once

#include <string_view>

namespace vdxml_observations {

/// Parses a duration of days, hours, minutes and seconds: an optional "-", "P", then "nD",
/// and after "T" any of "nH", "nM", "nS" in this order; any number may have a decimal
/// fraction, blanks around the text are ignored. Years, months and weeks have no fixed length
/// in days and are refused. False, leaving days unchanged, when text is not such a duration,
/// names no component at all or is too long to be a finite number of days.
bool DaysFromDuration(std::wstring_view text, double& days);

}  // namespace vdxml_observations
