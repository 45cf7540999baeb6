// CVdXmlGpsBaseline: writes the baseline "GpsBl" between reference and rover as a coordinate
// difference, and recognises it when reading.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/gps_records.h"

/// The wrapper of one "GpsBl" element.
class VDXML_API CVdXmlGpsBaseline : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlGpsBaseline() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlGpsBaseline(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlGpsBaseline(const CVdXmlGpsBaseline&) = delete;
    CVdXmlGpsBaseline& operator=(const CVdXmlGpsBaseline&) = delete;
    ~CVdXmlGpsBaseline() override = default;

    /// Writes "GpsBl" below parent with one "DCrd" from the baseline's coordinate difference
    /// (see CVdXmlDCoord::Create).
    /// @return E_FAIL, writing nothing, without the baseline flag or for a parent without a
    ///         document; the failure of "GpsBl" itself; else the status of the "DCrd"
    long Create(const CVdXmlNode& parent, const VDXML_GPSBASELINE& baseline);
    /// Reads no value: sets the baseline flag, whatever the children are. The coordinate
    /// difference is left as it was.
    /// @return S_OK; E_FAIL (no flag set) when element holds no XML element
    static long Read(VDXML_ELEMENT& element, VDXML_GPSBASELINE& baseline);
};
