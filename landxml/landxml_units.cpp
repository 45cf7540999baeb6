#include "landxml/landxml_units.h"

#include <cmath>

namespace vdxml_landxml {
namespace {
constexpr double kPi = 3.14159265358979323846;

// Area, volume, temperature and pressure have no counterpart in survey files; LandXML
// requires them, so each system's common units are declared.
constexpr LinearUnit kLinearUnits[] = {
    {1, "Metric", "meter", "squareMeter", "cubicMeter", "celsius", "milliBars", "meter"},
    {2, "Imperial", "USSurveyFoot", "squareFoot", "cubicFeet", "fahrenheit", "inHG", "feet"},
    {3, "Imperial", "foot", "squareFoot", "cubicFeet", "fahrenheit", "inHG", "feet"},
};

struct AngleName {
    AngleUnit unit;
    std::string_view name;
};
constexpr AngleName kAngleNames[] = {{AngleUnit::Radians, "radians"},
                                     {AngleUnit::Grads, "grads"},
                                     {AngleUnit::Degrees, "decimal degrees"},
                                     {AngleUnit::DegreesMinutesSeconds, "decimal dd.mm.ss"}};
}  // namespace

const LinearUnit* LinearUnitOf(std::uint32_t code) {
    for (const LinearUnit& unit : kLinearUnits)
        if (unit.code == code) return &unit;
    return nullptr;
}

const LinearUnit* LinearUnitNamed(std::string_view element, std::string_view linear) {
    for (const LinearUnit& unit : kLinearUnits)
        if (element == unit.element && linear == unit.linear) return &unit;
    return nullptr;
}

std::optional<AngleUnit> AngleUnitNamed(std::string_view name) {
    for (const AngleName& entry : kAngleNames)
        if (entry.name == name) return entry.unit;
    return std::nullopt;
}

const char* AngleUnitName(AngleUnit unit) {
    for (const AngleName& entry : kAngleNames)
        if (entry.unit == unit) return entry.name.data();
    return "radians";
}

double ToRadians(double value, AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Radians:
            return value;
        case AngleUnit::Grads:
            return value * kPi / 200.0;
        case AngleUnit::Degrees:
            return value * kPi / 180.0;
        case AngleUnit::DegreesMinutesSeconds: {
            const double magnitude = std::fabs(value);
            const double degrees = std::floor(magnitude);
            const double minutes = std::floor((magnitude - degrees) * 100.0 + 1e-9);
            const double seconds = ((magnitude - degrees) * 100.0 - minutes) * 100.0;
            const double decimal = degrees + minutes / 60.0 + seconds / 3600.0;
            return std::copysign(decimal, value) * kPi / 180.0;
        }
    }
    return value;
}

double ToDegrees(double radians) { return radians * 180.0 / kPi; }

}  // namespace vdxml_landxml
