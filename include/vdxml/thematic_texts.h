// Texts of the enumerated values of the thematic elements, written as comments after their
// codes.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/export.h"

namespace VdXml {

/// Geometry types of codes: 1 "Point", 2 "Line", 3 "Area".
VDXML_API extern const VdXmlEnumTable enumThematicGeometryType;
/// Value types: 0 "Invalid", 1 "Long", 2 "Bool", 3 "Double", 4 "Text", 5 "Unknown".
VDXML_API extern const VdXmlEnumTable enumThematicValueType;
/// Attribute kinds: 1 "Normal", 2 "Mandatory", 3 "Fixed".
VDXML_API extern const VdXmlEnumTable enumThematicAttributeKind;
/// Range types: 1 "Long", 2 "Double".
VDXML_API extern const VdXmlEnumTable enumThematicRangeType;

}  // namespace VdXml
