// The reference receiver's setup "Ref".
#include "vdxml/gps_reference.h"

#include "elements/observations/gps_setup.h"
#include "vdxml/vocabulary.h"

long CVdXmlGpsReference::Create(const CVdXmlNode& parent, const VDXML_GPS_REFERENCE& reference) {
    if (!(reference.Flags & VDXML_GPS_SETUP::flagSetup)) return E_FAIL;
    const long hr = CreateElement(parent, VdXml::tagRef);
    if (FAILED(hr)) return hr;
    vdxml_elements::EntrySequence entries(*this, hr);
    return vdxml_gps::WriteSetup(entries, *this, reference).Status();
}

long CVdXmlGpsReference::Read(VDXML_ELEMENT& element, VDXML_GPS_REFERENCE& reference) {
    if (!element.Element()) return E_FAIL;
    try {
        VDXML_MAP_PARSE_NODEDATA map;
        vdxml_gps::AddSetupRows(map, reference);
        return ReadValues(element, map);
    } catch (const _com_error& e) {
        return e.Error();
    }
}
