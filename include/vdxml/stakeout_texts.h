// Texts of the enumerated values of stakeout results, written as comments after their codes.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/export.h"

namespace VdXml {

/// Cut or fill: 1 "Cut", 2 "Fill", 3 "None".
VDXML_API extern const VdXmlEnumTable enumStakeoutCutFill;
/// Height models: 1 "None", 2 "DTM".
VDXML_API extern const VdXmlEnumTable enumStakeoutHeightModel;

}  // namespace VdXml
