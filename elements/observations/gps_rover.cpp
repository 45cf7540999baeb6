// The rover's setup "Rov": the setup children, its dilution-of-precision figures and the time
// span of the epochs common with the reference.
#include "vdxml/gps_rover.h"

#include "elements/observations/gps_setup.h"
#include "elements/read_rows.h"
#include "vdxml/vocabulary.h"

namespace {
// The time-span writer computes one missing value from the other two, so two are needed.
bool HasTwoOfThree(const VDXML_TIMESPAN& ts) {
    return VdXmlIsSet(ts.Start) + VdXmlIsSet(ts.End) + VdXmlIsSet(ts.Span) >= 2;
}
}  // namespace

long CVdXmlGpsRover::Create(const CVdXmlNode& parent, const VDXML_GPS_ROVER& rover) {
    if (!(rover.Flags & VDXML_GPS_SETUP::flagSetup)) return E_FAIL;
    const long hr = CreateElement(parent, VdXml::tagRov);
    if (FAILED(hr)) return hr;
    vdxml_elements::EntrySequence entries(*this, hr);
    return vdxml_gps::WriteSetup(entries, *this, rover)
        .Then(rover.DOPs.Flags & VDXML_DOPS::maskAny,
              [&] {
                  CVdXmlNode dops;  // lives for this call only; the element stays
                  return InsertDOPs(rover.DOPs, dops);
              })
        .Then(HasTwoOfThree(rover.TSCE),
              [&] { return InsertTimeSpan(VdXml::tagTimeSpanCommonEpochs, rover.TSCE); })
        .Status();
}

long CVdXmlGpsRover::Read(VDXML_ELEMENT& element, VDXML_GPS_ROVER& rover) {
    return vdxml_elements::ReadByRows(element, rover, &ReadValues);
}
