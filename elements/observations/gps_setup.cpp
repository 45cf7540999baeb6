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

}  // namespace vdxml_gps
