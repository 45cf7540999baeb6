// CVdXmlGpsReference: writes and reads the reference receiver's setup "Ref": sensor, antenna
// height and antenna.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/gps_records.h"

class CVdXmlGpsReference : public CVdXmlElementNode {
  public:
    CVdXmlGpsReference() = default;
    explicit CVdXmlGpsReference(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlGpsReference(const CVdXmlGpsReference&) = delete;
    CVdXmlGpsReference& operator=(const CVdXmlGpsReference&) = delete;
    ~CVdXmlGpsReference() override = default;

    /// Writes "Ref" below parent: "SensorType", "SensorSerialNr", "AntHgt" (5 decimals), each
    /// when flagged, and "Ant" when the antenna is flagged as given and named (see
    /// CVdXmlNode::InsertAntenna). E_FAIL, writing nothing, without the setup flag or for a
    /// parent without a document. Stops at the first failing write (an antenna type without
    /// a model text fails right after "AntType"); otherwise the status of the last entry
    /// written, or of "Ref" itself when it has no child.
    long Create(const CVdXmlNode& parent, const VDXML_GPS_REFERENCE& reference);
    /// Reads sensor type, serial number and antenna height (each sets its flag and the setup
    /// flag) and the antenna's name (setting both required antenna flags), type, serial
    /// number, offsets (no flag) and phase-centre offsets. A reference without any of the
    /// three setup values keeps Flags at 0 and cannot be written back as it is.
    static long Read(VDXML_ELEMENT& element, VDXML_GPS_REFERENCE& reference);
};
