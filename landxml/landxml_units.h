// The units of a LandXML document: its "Metric" or "Imperial" element with every attribute
// that element requires, from the survey file's linear unit and back, and its angle units.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vdxml_landxml {

/// One linear unit of survey files with the LandXML element and attributes that declare it.
struct LinearUnit {
    std::uint32_t code;       ///< the survey file's linear unit code
    const char* element;      ///< "Metric" or "Imperial"
    const char* linear;       ///< linearUnit
    const char* area;         ///< areaUnit
    const char* volume;       ///< volumeUnit
    const char* temperature;  ///< temperatureUnit
    const char* pressure;     ///< pressureUnit
    const char* elevation;    ///< elevationUnit
};

/// The unit of a survey file's linear unit code; null for a code without one.
const LinearUnit* LinearUnitOf(std::uint32_t code);
/// The unit declared by element ("Metric"/"Imperial") and its linearUnit; null when survey
/// files have no such unit.
const LinearUnit* LinearUnitNamed(std::string_view element, std::string_view linear);

/// The angle units of LandXML.
enum class AngleUnit { Radians, Grads, Degrees, DegreesMinutesSeconds };

/// The unit named by an angularUnit, directionUnit or latLongAngularUnit value.
std::optional<AngleUnit> AngleUnitNamed(std::string_view name);
/// The unit's name as those attributes write it.
const char* AngleUnitName(AngleUnit unit);
/// An angle in unit as radians ("decimal dd.mm.ss": 45.3025 is 45 degrees 30 minutes 25
/// seconds).
double ToRadians(double value, AngleUnit unit);
/// Radians as decimal degrees.
double ToDegrees(double radians);

}  // namespace vdxml_landxml
