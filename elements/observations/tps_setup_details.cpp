// The "TpsSetupDetails" element: how a setup was oriented.
#include "vdxml/tps_setup_details.h"

#include "vdxml/tps_texts.h"
#include "vdxml/vocabulary.h"

long CVdXmlTpsSetupDetails::Create(const CVdXmlNode& parent,
                                   const VDXML_TPS_SETUP_DETAILS& details) {
    if (details.Method == VDXML_TPS_METHOD_INVALID) return E_FAIL;
    if (FAILED(Initialize(parent.GetRoot()))) return E_FAIL;
    if (FAILED(CVdXmlNode::Create(parent, VdXml::tagTpsSetupDetails, nullptr))) return E_FAIL;
    return InsertEnumerated(VdXml::tagMethod, details.Method, VdXml::enumTpsOrientationMethod);
}

long CVdXmlTpsSetupDetails::Read(VDXML_ELEMENT& element, VDXML_TPS_SETUP_DETAILS&) {
    return element.Element() ? S_OK : E_FAIL;
}
