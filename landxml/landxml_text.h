// The texts of LandXML values: numbers with fixed decimals, dates and times from Modified
// Julian Dates and back, numbers read from attribute texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vdxml_landxml {

/// The namespace of LandXML 1.2 documents.
constexpr std::string_view kLandXmlNamespace = "http://www.landxml.org/schema/LandXML-1.2";

/// value with decimals digits after the point ("C" notation); value must be finite.
std::string Fixed(double value, int decimals);
/// A Modified Julian Date as xs:dateTime "YYYY-MM-DDThh:mm:ss" to the whole second; empty when
/// it is not a date of the years 1 to 9999.
std::string DateTimeText(double mjd);
/// The date and the time parts of DateTimeText.
std::string DateText(double mjd);
std::string TimeText(double mjd);
/// The current time as a Modified Julian Date (UTC).
double NowMjd();
/// An xs:dateTime "YYYY-MM-DDThh:mm:ss[.fff][zone]" as a Modified Julian Date (the zone is
/// not applied: times are kept as written); nothing when it is not one.
std::optional<double> ParseDateTime(std::string_view text);
/// An xs:double with optional surrounding white space; nothing when it is not one (or not
/// finite).
std::optional<double> ParseNumber(std::string_view text);

}  // namespace vdxml_landxml
