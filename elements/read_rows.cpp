// Every element reader as the rows of a reading map and a step after them (see read_rows.h),
// in one place: the element classes build their maps from these rows, the streaming parse
// makes its plans from them, and they depend on nothing but the records and the vocabulary.
#include "elements/read_rows.h"

#include "elements/observations/duration_text.h"
#include "vdxml/geometry_records.h"
#include "vdxml/gps_records.h"
#include "vdxml/thematic_records.h"
#include "vdxml/tps_records.h"
#include "vdxml/vocabulary.h"

namespace vdxml_elements {
namespace {

// The sensor (level 1) and antenna (level 2) values of a GPS setup, shared by the reference
// and the rover.
void AddSetupRows(Map& map, VDXML_GPS_SETUP& setup) {
    using F = VDXML_PARSE_NODEDATA;
    using S = VDXML_GPS_SETUP;
    using A = VDXML_ANTENNA;
    // Each setup value also marks the setup as given, so that what was read can be written.
    map.AddEntry(VdXml::tagSensorType, 1, F::fmtString, &setup.SensorType, &setup.Flags,
                 S::flagSetup | S::flagSensorType);
    map.AddEntry(VdXml::tagSensorSerialNr, 1, F::fmtString, &setup.SensorSerialNr, &setup.Flags,
                 S::flagSetup | S::flagSensorSerialNr);
    map.AddEntry(VdXml::tagAntennaHgt, 1, F::fmtDouble, &setup.AntHgt, &setup.Flags,
                 S::flagSetup | S::flagAntHgt);

    VDXML_ANTENNA& a = setup.Antenna;
    map.AddEntry(VdXml::tagAntennaType, 2, F::fmtInt, &a.AntType, &a.Flags, A::flagAntType);
    map.AddEntry(VdXml::tagAntennaName, 2, F::fmtString, &a.AntName, &a.Flags, A::maskRequired);
    map.AddEntry(VdXml::tagAntennaSn, 2, F::fmtString, &a.AntSn, &a.Flags, A::flagAntSn);
    map.AddEntry(VdXml::tagAntennaHzOffset, 2, F::fmtDouble, &a.AntHzO);
    map.AddEntry(VdXml::tagAntennaVOffset, 2, F::fmtDouble, &a.AntVO);
    map.AddEntry(VdXml::tagAntennaL1PhOffset, 2, F::fmtDouble, &a.AntL1PhO, &a.Flags,
                 A::flagPhaseCentres);
    map.AddEntry(VdXml::tagAntennaL1EastPhOffset, 2, F::fmtDouble, &a.AntL1EPhO, &a.Flags,
                 A::flagPhaseCentres);
    map.AddEntry(VdXml::tagAntennaL1NorthPhOffset, 2, F::fmtDouble, &a.AntL1NPhO, &a.Flags,
                 A::flagPhaseCentres);
    map.AddEntry(VdXml::tagAntennaL2PhOffset, 2, F::fmtDouble, &a.AntL2PhO, &a.Flags,
                 A::flagPhaseCentres);
    map.AddEntry(VdXml::tagAntennaL2EastPhOffset, 2, F::fmtDouble, &a.AntL2EPhO, &a.Flags,
                 A::flagPhaseCentres);
    map.AddEntry(VdXml::tagAntennaL2NorthPhOffset, 2, F::fmtDouble, &a.AntL2NPhO, &a.Flags,
                 A::flagPhaseCentres);
}

}  // namespace

void AddReadRows(Map& map, VDXML_ROOT& root, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &root.Company);
    map.AddEntry(VdXml::tagSourceDatasetLocation, 1, F::fmtString, &root.SourceDatasetLocation);
    map.AddEntry(VdXml::tagName, 2, F::fmtString, &root.Application);
    map.AddEntry(VdXml::tagMajor, 3, F::fmtByte, &root.Version.Major);
    map.AddEntry(VdXml::tagMinor, 3, F::fmtByte, &root.Version.Minor);
    map.AddEntry(VdXml::tagBuild, 3, F::fmtLong, &root.Version.Build);
    map.AddEntry(VdXml::tagUnitLinear, 3, F::fmtInt, &root.Units.Linear);
    map.AddEntry(VdXml::tagUnitAngular, 3, F::fmtInt, &root.Units.Angular);
    map.AddEntry(VdXml::tagTimeSystem, 3, F::fmtInt, &root.Units.TimeSystem);
}

void AddReadRows(Map& map, VDXML_PROJECT& project, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &project.Name);
    map.AddEntry(VdXml::tagNote, 1, F::fmtString, &project.Note);
    map.AddEntry(VdXml::tagCreated, 1, F::fmtDateTime, &project.Created);
}

void AddReadRows(Map& map, VDXML_POINT& point, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &point.Name);
    map.AddEntry(VdXml::tagNote, 1, F::fmtString, &point.Note);
    map.AddEntry(VdXml::tagClass, 1, F::fmtInt, &point.Class);
    map.AddEntry(VdXml::tagSubClass, 1, F::fmtInt, &point.SubClass);
    map.AddEntry(VdXml::tagEpoch, 1, F::fmtDateTime, &point.Epoch);
}

// The map matches by element name and depth only, so the local geodetic latitude, any block's
// heights and every quality block land in the coordinate's fields as well; the value met last
// in document order stays.
void AddReadRows(Map& map, VDXML_COORD& c, ReadScratch&) {
    const auto D = VDXML_PARSE_NODEDATA::fmtDouble;
    // Values sit at depth 3: "Crd" / "W84" or "Lcl" / block / value.
    map.AddEntry(VdXml::tagCrdEasting, 3, D, &c.LocalEnh.E, &c.LocalEnh.Flags, VDXML_GRID::flagEN);
    map.AddEntry(VdXml::tagCrdNorthing, 3, D, &c.LocalEnh.N, &c.LocalEnh.Flags, VDXML_GRID::flagEN);
    map.AddEntry(VdXml::tagCrdHO, 3, D, &c.LocalEnh.HO, &c.LocalEnh.Flags, VDXML_GRID::flagHO);
    map.AddEntry(VdXml::tagCrdLat, 3, D, &c.Wgs84Llh.Lat, &c.Wgs84Llh.Flags,
                 VDXML_GEODETIC::flagLatLon);
    map.AddEntry(VdXml::tagCrdLon, 3, D, &c.Wgs84Llh.Lon, &c.Wgs84Llh.Flags,
                 VDXML_GEODETIC::flagLatLon);
    map.AddEntry(VdXml::tagCrdHE, 3, D, &c.Wgs84Llh.HE, &c.Wgs84Llh.Flags, VDXML_GEODETIC::flagHE);
    // Cofactors one level deeper, in the block's "Qlty".
    VDXML_QLTY& q = c.Wgs84Llh.Qlty;
    const std::uint8_t qlty = VDXML_GEODETIC::flagQlty;
    map.AddEntry(VdXml::tagQltyM0, 4, D, &q.M0, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxx, 4, D, &q.Q11, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxy, 4, D, &q.Q12, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxz, 4, D, &q.Q13, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQyy, 4, D, &q.Q22, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQyz, 4, D, &q.Q23, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQzz, 4, D, &q.Q33, &c.Wgs84Llh.Flags, qlty);
}

void AddReadRows(Map& map, VDXML_TPS_SETUP& setup, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagInstrHgt, 1, F::fmtDouble, &setup.InstrHgt, &setup.Flags,
                 VDXML_TPS_SETUP::flagInstrHgt);
    map.AddEntry(VdXml::tagInstrOrientation, 1, F::fmtDouble, &setup.InstrOrientation, &setup.Flags,
                 VDXML_TPS_SETUP::flagInstrOrientation);
    map.AddEntry(VdXml::tagType, 2, F::fmtString, &setup.Instrument.Type, &setup.Instrument.Flags,
                 VDXML_TPS_INSTRUMENT::maskRequired);
}

void AddReadRows(Map& map, VDXML_TPS_OBSSET& obsSet, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    using O = VDXML_TPS_OBSSET;
    VDXML_TPS_REFLECTOR& reflector = obsSet.Reflector;
    // The reflector type is read as a signed 32-bit number into the unsigned field: the
    // text "4294967295" and "-1" both come back as "no reflector".
    map.AddEntry(VdXml::tagType, 2, F::fmtInt, &reflector.Type);
    map.AddEntry(VdXml::tagHgt, 2, F::fmtDouble, &reflector.Hgt, &reflector.Flags,
                 VDXML_TPS_REFLECTOR::flagReflector);
    map.AddEntry(VdXml::tagHz, 1, F::fmtDouble, &obsSet.Hz, &obsSet.Flags, O::flagHz);
    map.AddEntry(VdXml::tagZenith, 1, F::fmtDouble, &obsSet.Zen, &obsSet.Flags, O::flagZen);
    map.AddEntry(VdXml::tagDistanceSlope, 1, F::fmtDouble, &obsSet.DistS, &obsSet.Flags,
                 O::flagDistS);
}

void AddReadRows(Map& map, VDXML_GPS_REFERENCE& reference, ReadScratch&) {
    AddSetupRows(map, reference);
}

void AddReadRows(Map& map, VDXML_GPS_ROVER& rover, ReadScratch& scratch) {
    using F = VDXML_PARSE_NODEDATA;
    using D = VDXML_DOPS;
    AddSetupRows(map, rover);
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

void AddReadRows(Map& map, VDXML_THEMATICAL_CODE& code, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &code.ItemName.Name);
    map.AddEntry(VdXml::tagType, 1, F::fmtInt, &code.Type);
    map.AddEntry(VdXml::tagThematicalCodeDescription, 1, F::fmtString, &code.CodeDesc);
}

void AddReadRows(Map& map, VDXML_THEMATICAL_ATTRIBUTE& attribute, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    using A = VDXML_THEMATICAL_ATTRIBUTE;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &attribute.ItemName.Name, &attribute.Flags,
                 A::flagAttribute);
    map.AddEntry(VdXml::tagValue, 1, F::fmtString, &attribute.TextValue, &attribute.Flags,
                 A::flagAttribute);
    map.AddEntry(VdXml::tagValueType, 1, F::fmtInt, &attribute.ValueType, &attribute.Flags,
                 A::flagAttribute);
}

// A baseline element marks the record as holding a baseline, whatever its children say.
long FinishRead(VDXML_GPSBASELINE& baseline, const ReadScratch&) {
    baseline.Flags |= VDXML_GPSBASELINE::flagBaseline;
    return S_OK;
}

}  // namespace vdxml_elements
