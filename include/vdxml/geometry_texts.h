// Texts of the enumerated values of the geometry elements, written as comments after their
// codes: point classes and subclasses, position and height sources, coordinate dimensions,
// averaging status bits and the units of relative standard deviations.
#pragma once

#include <cstdint>

#include "vdxml/enum_text.h"
#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"

namespace VdXml {

/// Point classes 1 "Estimated" to 8 "Control".
VDXML_API extern const VdXmlEnumTable enumPointClass;
/// Point subclasses 1 "Adjusted Height" to 14 "Level Processed".
VDXML_API extern const VdXmlEnumTable enumPointSubClass;
/// Position and height sources 1 "Fixed by Pen" to 9 "User entered".
VDXML_API extern const VdXmlEnumTable enumCoordSource;
/// Coordinate dimensions 1 "1D", 2 "2D", 3 "3D".
VDXML_API extern const VdXmlEnumTable enumCoordType;
/// Averaging status bits 0x01 "Use never", 0x02 "Use always", 0x04 "Not used",
/// 0x08 "Out of limit".
VDXML_API extern const VdXmlEnumTable enumAvgStatusBits;

// Units of relative standard deviations, written after each by CVdXmlNode::InsertSdRel.

/// The unit of relative angle deviations by the angular unit code: 1 "rad.km".
VDXML_API extern const VdXmlEnumTable enumRelativeAngularUnit;
/// The unit of relative height-difference deviations by the linear unit code:
/// 1 "m/sqrt(km)", 2 "fts/sqrt(km)", 3 "fti/sqrt(km)".
VDXML_API extern const VdXmlEnumTable enumRelativeHeightUnit;
/// The unit of relative distance and baseline deviations, whatever the units: "ppm".
VDXML_API extern const _bstr_t textPartsPerMillion;

/// The texts of the set averaging status bits, lowest bit first, joined by ", "; empty when
/// no known bit is set.
VDXML_API _bstr_t AvgStatusText(std::uint8_t status);

}  // namespace VdXml
