// Texts of the antenna models, written as comments after an antenna's type code.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/export.h"

namespace VdXml {

/// Antenna models: -1 "Invalid" and codes 1 to 48, one descriptive model text each, by
/// construction and tracked frequencies (1 "Choke ring L1/L2" ... 48 "Generic L1/L2").
/// Code 0 and codes outside -1 to 48 have no text.
VDXML_API extern const VdXmlEnumTable enumAntennaModel;

}  // namespace VdXml
