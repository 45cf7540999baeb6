// Sample thematic records that every writer accepts.
#pragma once

#include "vdxml/thematic_records.h"

namespace vdxml_test {

/// Code "Fence" for lines, with a note and a description.
inline VDXML_THEMATICAL_CODE FenceCode() {
    VDXML_THEMATICAL_CODE code;
    code.ItemName.Name = L"Fence";
    code.ItemName.Note = L"wooden";
    code.Type = VDXML_THEMATICAL_GEOMETRY_LINE;
    code.CodeDesc = L"Field boundary";
    return code;
}

/// A given attribute "Height" of the value type, with a value of each kind.
inline VDXML_THEMATICAL_ATTRIBUTE Attribute(std::uint32_t valueType) {
    VDXML_THEMATICAL_ATTRIBUTE attr;
    attr.ItemName.Name = L"Height";
    attr.Flags = VDXML_THEMATICAL_ATTRIBUTE::flagAttribute;
    attr.ValueType = valueType;
    attr.LongValue = -42;
    attr.DoubleValue = 1.5;
    attr.TextValue = L"tall";
    return attr;
}

/// A mandatory double attribute "Diameter" with three defaults, a range and choices.
inline VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION FullDescription() {
    using D = VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;
    D desc;
    desc.ItemName.Name = L"Diameter";
    desc.Flags = D::flagDescription | D::flagDefaultText | D::flagDefaultLong |
                 D::flagDefaultDouble | D::flagRange | D::flagChoices;
    desc.ValueType = VDXML_THEMATICAL_VALUE_DOUBLE;
    desc.Type = VDXML_THEMATICAL_KIND_MANDATORY;
    desc.DefaultText = L"unknown";
    desc.DefaultLong = -3;
    desc.DefaultDouble = 0.25;
    desc.Range.Type = VDXML_THEMATICAL_RANGE_DOUBLE;
    desc.Range.MinMax.Min = 0.1;
    desc.Range.MinMax.Max = 2.5;
    desc.Choices.Type = 1;
    desc.Choices.Texts = {_bstr_t(L"small"), _bstr_t(L"large")};
    desc.Choices.Longs = {7};
    desc.Choices.Doubles = {0.5, 1.25};
    return desc;
}

}  // namespace vdxml_test
