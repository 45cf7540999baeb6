// CVdXmlGpsBaseline: writes the baseline "GpsBl" between reference and rover as a coordinate
// difference, and recognises it when reading.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/gps_records.h"

class CVdXmlGpsBaseline : public CVdXmlElementNode {
  public:
    CVdXmlGpsBaseline() = default;
    explicit CVdXmlGpsBaseline(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlGpsBaseline(const CVdXmlGpsBaseline&) = delete;
    CVdXmlGpsBaseline& operator=(const CVdXmlGpsBaseline&) = delete;
    ~CVdXmlGpsBaseline() override = default;

    /// Writes "GpsBl" below parent with one "DCrd" from the baseline's coordinate difference
    /// (see CVdXmlDCoord::Create) and returns that child's status. E_FAIL, writing nothing,
    /// without the baseline flag or for a parent without a document.
    long Create(const CVdXmlNode& parent, const VDXML_GPSBASELINE& baseline);
    /// Reads no value: E_FAIL when element holds no XML element, otherwise sets the baseline
    /// flag, whatever the children are. The coordinate difference is left as it was.
    static long Read(VDXML_ELEMENT& element, VDXML_GPSBASELINE& baseline);
};
