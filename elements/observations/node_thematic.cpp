// Code lists, code groups, codes and attribute values inserted below any node.
#include "elements/observations/thematic_entries.h"
#include "vdxml/vocabulary.h"

long CVdXmlNode::InsertThematicalCodelist(const VDXML_THEMATICAL_CODELIST& list,
                                          CVdXmlNode& out) const {
    // A list without a name is still a list: its element is written empty.
    const long hr = out.Create(*this, VdXml::tagThematicalCodelist, nullptr);
    if (FAILED(hr) || !vdxml_thematic::HasName(list.ItemName)) return hr;
    return out.InsertItemName(list.ItemName);
}

long CVdXmlNode::InsertThematicalCodeGroup(const VDXML_THEMATICAL_CODEGROUP& group,
                                           CVdXmlNode& out) const {
    if (!vdxml_thematic::HasName(group.ItemName)) return E_FAIL;
    const long hr = out.Create(*this, VdXml::tagThematicalCodeGroup, nullptr);
    if (FAILED(hr)) return hr;
    return out.InsertItemName(group.ItemName);
}

long CVdXmlNode::InsertThematicalCode(const VDXML_THEMATICAL_CODE& code, CVdXmlNode& out) const {
    if (!vdxml_thematic::HasName(code.ItemName)) return E_FAIL;
    const long hr = out.Create(*this, VdXml::tagThematicalCode, nullptr);
    if (FAILED(hr)) return hr;
    return vdxml_thematic::WriteCode(out, code);
}

long CVdXmlNode::InsertThematicalAttr(const VDXML_THEMATICAL_ATTRIBUTE& attribute,
                                      CVdXmlNode& out) const {
    if (!vdxml_thematic::IsWritable(attribute)) return E_FAIL;
    const long hr = out.Create(*this, VdXml::tagThematicalAttr, nullptr);
    if (FAILED(hr)) return hr;
    return vdxml_thematic::WriteAttributeValue(out, attribute);
}
