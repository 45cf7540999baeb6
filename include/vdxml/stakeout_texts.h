// Texts of the enumerated values of stakeout results, written as comments after their codes.
#pragma once

#include "vdxml/enum_text.h"

namespace VdXml {

/// Cut or fill: 1 "Cut", 2 "Fill", 3 "None".
extern const VdXmlEnumTable enumStakeoutCutFill;
/// Height models: 1 "None", 2 "DTM".
extern const VdXmlEnumTable enumStakeoutHeightModel;

}  // namespace VdXml
