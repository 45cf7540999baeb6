// What the reference and rover writers share: the receiver, antenna height and antenna
// children of a setup (their reading rows are in elements/read_rows.cpp).
#pragma once

#include "elements/entry_sequence.h"
#include "vdxml/gps_records.h"

namespace vdxml_gps {

/// Appends "SensorType", "SensorSerialNr", "AntHgt" and "Ant" of setup to node, each under
/// its condition, through entries (which stops at the first failure).
vdxml_elements::EntrySequence& WriteSetup(vdxml_elements::EntrySequence& entries,
                                          const CVdXmlNode& node, const VDXML_GPS_SETUP& setup);

}  // namespace vdxml_gps
