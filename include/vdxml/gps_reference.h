// CVdXmlGpsReference: writes and reads the reference receiver's setup "Ref": sensor, antenna
// height and antenna.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/gps_records.h"

/// The wrapper of one "Ref" element.
class VDXML_API CVdXmlGpsReference : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlGpsReference() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlGpsReference(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlGpsReference(const CVdXmlGpsReference&) = delete;
    CVdXmlGpsReference& operator=(const CVdXmlGpsReference&) = delete;
    ~CVdXmlGpsReference() override = default;

    /// Writes "Ref" below parent: "SensorType", "SensorSerialNr", "AntHgt" (5 decimals), each
    /// when flagged, and "Ant" when the antenna is flagged as given and named (see
    /// CVdXmlNode::InsertAntenna).
    /// @return E_FAIL, writing nothing, without the setup flag or for a parent without a
    ///         document; the first failing write, which ends the writer (an antenna type
    ///         without a model text fails right after "AntType"); otherwise the status of the
    ///         last entry written (S_FALSE when that number was skipped as not finite), or of
    ///         "Ref" itself when it has no child
    long Create(const CVdXmlNode& parent, const VDXML_GPS_REFERENCE& reference);
    /// Reads sensor type, serial number and antenna height (each sets its flag and the setup
    /// flag) and the antenna's name (setting both required antenna flags), type, serial
    /// number, offsets (no flag) and phase-centre offsets. A reference without any of the
    /// three setup values keeps Flags at 0 and cannot be written back as it is.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_GPS_REFERENCE& reference);
};
