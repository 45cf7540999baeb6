// What the reference and rover writers and readers share: the receiver, antenna height and
// antenna children of a setup, and the reading-map rows for them.
#pragma once

#include "elements/entry_sequence.h"
#include "vdxml/gps_records.h"
#include "vdxml/reading_map.h"

namespace vdxml_gps {

/// Appends "SensorType", "SensorSerialNr", "AntHgt" and "Ant" of setup to node, each under
/// its condition, through entries (which stops at the first failure).
vdxml_elements::EntrySequence& WriteSetup(vdxml_elements::EntrySequence& entries,
                                          const CVdXmlNode& node, const VDXML_GPS_SETUP& setup);

/// Adds the rows of the sensor (level 1) and the antenna (level 2) values of setup to map.
void AddSetupRows(VDXML_MAP_PARSE_NODEDATA& map, VDXML_GPS_SETUP& setup);

}  // namespace vdxml_gps
