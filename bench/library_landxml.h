// The LandXML conversion of the benchmark survey: export of the survey file, import of its
// LandXML export (made once per size, untimed).
#pragma once

#include <string>

namespace vdxml_bench {

/// Exports the survey file survey to target as LandXML; raises std::runtime_error on failure.
void ExportToLandXml(const std::string& survey, const std::string& target);
/// The LandXML export of the benchmark survey of points points, written on first use.
const std::string& LandXmlInput(long long points);
/// Imports the LandXML file source into a streamed survey file target; raises on failure.
void ImportFromLandXml(const std::string& source, const std::string& target);

}  // namespace vdxml_bench
