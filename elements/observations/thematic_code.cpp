// One thematic code "ThematicalCode".
#include "vdxml/thematic_code.h"

#include "elements/entry_sequence.h"
#include "elements/observations/thematic_entries.h"
#include "elements/read_rows.h"
#include "vdxml/thematic_texts.h"
#include "vdxml/vocabulary.h"

long vdxml_thematic::WriteCode(CVdXmlNode& node, const VDXML_THEMATICAL_CODE& code) {
    const long hr = node.InsertItemName(code.ItemName);
    if (FAILED(hr)) return hr;
    return vdxml_elements::EntrySequence(node, hr)
        .Enumerated(VdXml::tagType, code.Type, VdXml::enumThematicGeometryType)
        .Text(VdXml::tagThematicalCodeDescription, code.CodeDesc)
        .Status();
}

long CVdXmlThematicalCode::Create(const CVdXmlNode& parent, const VDXML_THEMATICAL_CODE& code) {
    if (!vdxml_thematic::HasName(code.ItemName)) return E_FAIL;
    const long hr = CreateElement(parent, VdXml::tagThematicalCode);
    if (FAILED(hr)) return hr;
    return vdxml_thematic::WriteCode(*this, code);
}

long CVdXmlThematicalCode::Read(VDXML_ELEMENT& element, VDXML_THEMATICAL_CODE& code) {
    return vdxml_elements::ReadByRows(element, code, &ReadValues);
}
