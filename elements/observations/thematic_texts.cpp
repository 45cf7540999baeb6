// Texts of geometry types, value types, attribute kinds and range types.
#include "vdxml/thematic_texts.h"

#include "vdxml/thematic_records.h"

namespace VdXml {
namespace {

const VdXmlEnumText kGeometryTypes[] = {
    {VDXML_THEMATICAL_GEOMETRY_POINT, L"Point"},
    {VDXML_THEMATICAL_GEOMETRY_LINE, L"Line"},
    {VDXML_THEMATICAL_GEOMETRY_AREA, L"Area"},
};

const VdXmlEnumText kValueTypes[] = {
    {VDXML_THEMATICAL_VALUE_INVALID, L"Invalid"}, {VDXML_THEMATICAL_VALUE_LONG, L"Long"},
    {VDXML_THEMATICAL_VALUE_BOOL, L"Bool"},       {VDXML_THEMATICAL_VALUE_DOUBLE, L"Double"},
    {VDXML_THEMATICAL_VALUE_TEXT, L"Text"},       {VDXML_THEMATICAL_VALUE_UNKNOWN, L"Unknown"},
};

const VdXmlEnumText kAttributeKinds[] = {
    {VDXML_THEMATICAL_KIND_NORMAL, L"Normal"},
    {VDXML_THEMATICAL_KIND_MANDATORY, L"Mandatory"},
    {VDXML_THEMATICAL_KIND_FIXED, L"Fixed"},
};

const VdXmlEnumText kRangeTypes[] = {
    {VDXML_THEMATICAL_RANGE_LONG, L"Long"},
    {VDXML_THEMATICAL_RANGE_DOUBLE, L"Double"},
};

}  // namespace

const VdXmlEnumTable enumThematicGeometryType(kGeometryTypes);
const VdXmlEnumTable enumThematicValueType(kValueTypes);
const VdXmlEnumTable enumThematicAttributeKind(kAttributeKinds);
const VdXmlEnumTable enumThematicRangeType(kRangeTypes);

}  // namespace VdXml
