// The children of a GPS setup shared by the reference and the rover.
#include "elements/observations/gps_setup.h"

#include "vdxml/vocabulary.h"

namespace vdxml_gps {

vdxml_elements::EntrySequence& WriteSetup(vdxml_elements::EntrySequence& entries,
                                          const CVdXmlNode& node, const VDXML_GPS_SETUP& setup) {
    using S = VDXML_GPS_SETUP;
    const std::uint8_t required = VDXML_ANTENNA::maskRequired;
    return entries
        .Then(setup.Flags & S::flagSensorType,
              [&] { return node.InsertEntry(VdXml::tagSensorType, setup.SensorType); })
        .Then(setup.Flags & S::flagSensorSerialNr,
              [&] { return node.InsertEntry(VdXml::tagSensorSerialNr, setup.SensorSerialNr); })
        .Number(setup.Flags & S::flagAntHgt, VdXml::tagAntennaHgt, setup.AntHgt, 5)
        .Then((setup.Antenna.Flags & required) == required, [&] {
            CVdXmlNode antenna;  // lives for this call only; the element stays
            return node.InsertAntenna(setup.Antenna, antenna);
        });
}

void AddSetupRows(VDXML_MAP_PARSE_NODEDATA& map, VDXML_GPS_SETUP& setup) {
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

}  // namespace vdxml_gps
