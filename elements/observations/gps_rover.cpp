// The rover's setup "Rov": the setup children, its dilution-of-precision figures and the time
// span of the epochs common with the reference.
#include "vdxml/gps_rover.h"

#include "elements/observations/duration_text.h"
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

namespace vdxml_elements {
void AddReadRows(Map& map, VDXML_GPS_ROVER& rover, ReadScratch& scratch) {
    using F = VDXML_PARSE_NODEDATA;
    using D = VDXML_DOPS;
    vdxml_gps::AddSetupRows(map, rover);
    VDXML_DOPS& dops = rover.DOPs;
    map.AddEntry(VdXml::tagGDOP, 2, F::fmtDouble, &dops.GDOP, &dops.Flags, D::flagGDOP);
    map.AddEntry(VdXml::tagPDOP, 2, F::fmtDouble, &dops.PDOP, &dops.Flags, D::flagPDOP);
    map.AddEntry(VdXml::tagHDOP, 2, F::fmtDouble, &dops.HDOP, &dops.Flags, D::flagHDOP);
    map.AddEntry(VdXml::tagVDOP, 2, F::fmtDouble, &dops.VDOP, &dops.Flags, D::flagVDOP);
    // Start and End are date-time entries: their value is a date that the date-time format
    // turns into a Modified Julian Date. The span is a duration text with no format of its
    // own; it is taken as text and converted once the rows are read. None of the three sets a
    // flag.
    map.AddEntry(VdXml::tagStart, 2, F::fmtDateTime, &rover.TSCE.Start);
    map.AddEntry(VdXml::tagEnd, 2, F::fmtDateTime, &rover.TSCE.End);
    map.AddEntry(VdXml::tagDuration, 2, F::fmtString, &scratch.duration);
}

long FinishRead(VDXML_GPS_ROVER& rover, const ReadScratch& scratch) {
    if (scratch.duration.empty()) return S_OK;
    return vdxml_observations::DaysFromDuration(scratch.duration.view(), rover.TSCE.Span) ? S_OK
                                                                                          : E_FAIL;
}
}  // namespace vdxml_elements

long CVdXmlGpsRover::Read(VDXML_ELEMENT& element, VDXML_GPS_ROVER& rover) {
    return vdxml_elements::ReadByRows(element, rover, &ReadValues);
}
