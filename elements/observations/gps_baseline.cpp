// The baseline "GpsBl" between reference and rover.
#include "vdxml/gps_baseline.h"

#include "elements/read_rows.h"
#include "vdxml/dcoord.h"
#include "vdxml/vocabulary.h"

long CVdXmlGpsBaseline::Create(const CVdXmlNode& parent, const VDXML_GPSBASELINE& baseline) {
    if (!(baseline.Flags & VDXML_GPSBASELINE::flagBaseline)) return E_FAIL;
    const long hr = CreateElement(parent, VdXml::tagGpsBl);
    if (FAILED(hr)) return hr;
    CVdXmlDCoord difference;  // lives for this call only; the element stays
    return InsertDCoord(baseline.DCoord, difference);
}

long CVdXmlGpsBaseline::Read(VDXML_ELEMENT& element, VDXML_GPSBASELINE& baseline) {
    if (!element.Element()) return E_FAIL;
    try {
        if (element.Element()->GetnodeType() != NODE_ELEMENT) return E_FAIL;
    } catch (const _com_error& e) {
        return e.Error();
    }
    return vdxml_elements::FinishRead(baseline, vdxml_elements::ReadScratch());
}
