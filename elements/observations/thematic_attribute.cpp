// One thematic attribute value "ThematicalAttr".
#include "vdxml/thematic_attribute.h"

#include "elements/observations/thematic_entries.h"
#include "elements/read_rows.h"
#include "vdxml/thematic_texts.h"
#include "vdxml/vocabulary.h"

long vdxml_thematic::WriteAttributeValue(CVdXmlNode& node,
                                         const VDXML_THEMATICAL_ATTRIBUTE& attribute) {
    const long hr = node.InsertItemName(attribute.ItemName);
    if (FAILED(hr)) return hr;
    switch (attribute.ValueType) {
        case VDXML_THEMATICAL_VALUE_LONG:
            return node.InsertEntry(VdXml::tagValue, static_cast<long>(attribute.LongValue));
        case VDXML_THEMATICAL_VALUE_DOUBLE:
            return node.InsertEntry(VdXml::tagValue, attribute.DoubleValue, 5);
        case VDXML_THEMATICAL_VALUE_TEXT:
            return node.InsertEntry(VdXml::tagValue, attribute.TextValue);
        default:
            return hr;  // the other types carry no value
    }
}

long CVdXmlThematicalAttribute::Create(const CVdXmlNode& parent,
                                       const VDXML_THEMATICAL_ATTRIBUTE& attribute) {
    if (!vdxml_thematic::IsWritable(attribute)) return E_FAIL;
    long hr = CreateElement(parent, VdXml::tagThematicalAttr);
    if (FAILED(hr)) return hr;
    hr = vdxml_thematic::WriteAttributeValue(*this, attribute);
    if (FAILED(hr)) return hr;
    return InsertEnumerated(VdXml::tagValueType, attribute.ValueType, VdXml::enumThematicValueType);
}

long CVdXmlThematicalAttribute::Read(VDXML_ELEMENT& element,
                                     VDXML_THEMATICAL_ATTRIBUTE& attribute) {
    return vdxml_elements::ReadByRows(element, attribute, &ReadValues);
}
