// Texts of the enumerated values of the total-station elements, written as comments after
// their codes: orientation methods of a setup, reflector types and telescope faces.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/export.h"

namespace VdXml {

/// Orientation methods 0 "Invalid" to 8 "Local Resection" (VDXML_TPS_ORIENTATION_METHOD).
VDXML_API extern const VdXmlEnumTable enumTpsOrientationMethod;
/// Reflector types 0 "Unknown" to 11 "Kesto Tape", and 0xFFFFFFFF "Invalid" for none
/// (VDXML_TPS_REFLECTOR_TYPE).
VDXML_API extern const VdXmlEnumTable enumTpsReflectorType;
/// Faces 0 "Invalid", 1 "Face I", 2 "Face II" (VDXML_TPS_FACE).
VDXML_API extern const VdXmlEnumTable enumTpsFace;

/// The orientation text that no method code carries: a setup oriented on an azimuth the
/// surveyor knew, kept for callers that describe such setups in their own words.
VDXML_API extern const wchar_t* const textTpsKnownAzimuth;

}  // namespace VdXml
