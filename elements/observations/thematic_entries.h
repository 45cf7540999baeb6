// The children that the element classes of codes and attributes share with the node writers
// CVdXmlNode::InsertThematicalCode and InsertThematicalAttr.
#pragma once

#include "vdxml/node.h"
#include "vdxml/thematic_records.h"

namespace vdxml_thematic {

/// The item name, "Type" with its geometry text (when not 0) and "CodeDesc" (when not empty)
/// of code, into node. Stops at the first failure.
long WriteCode(CVdXmlNode& node, const VDXML_THEMATICAL_CODE& code);

/// The item name and "Value" (for the value types with a value) of attribute, into node.
long WriteAttributeValue(CVdXmlNode& node, const VDXML_THEMATICAL_ATTRIBUTE& attribute);

/// Whether a code, code group or attribute may be written at all: it needs a name.
inline bool HasName(const VDXML_ITEMNAME& item) { return !item.Name.empty(); }

/// Whether an attribute may be written: it needs a name and its given flag.
inline bool IsWritable(const VDXML_THEMATICAL_ATTRIBUTE& attribute) {
    return HasName(attribute.ItemName) &&
           (attribute.Flags & VDXML_THEMATICAL_ATTRIBUTE::flagAttribute) != 0;
}

}  // namespace vdxml_thematic
