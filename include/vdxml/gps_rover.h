// CVdXmlGpsRover: writes and reads the rover's setup "Rov": sensor, antenna height and
// antenna as for the reference, the dilution-of-precision figures and the time span of the
// epochs common with the reference.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/gps_records.h"

/// The wrapper of one "Rov" element.
class VDXML_API CVdXmlGpsRover : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlGpsRover() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlGpsRover(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlGpsRover(const CVdXmlGpsRover&) = delete;
    CVdXmlGpsRover& operator=(const CVdXmlGpsRover&) = delete;
    ~CVdXmlGpsRover() override = default;

    /// Writes "Rov" below parent: the children of "Ref" (see CVdXmlGpsReference::Create), then
    /// "DOPs" when any DOP flag is set (the reserved one alone gives an empty "DOPs") and
    /// "TSCE" ("Start", "End", "Span"; a missing one computed and marked "vsrc" = "c") when at
    /// least two of its three values are set.
    /// @return E_FAIL, writing nothing, without the setup flag or for a parent without a
    ///         document; otherwise as for the reference (a "Start" or "End" out of the date
    ///         range fails with E_FAIL)
    long Create(const CVdXmlNode& parent, const VDXML_GPS_ROVER& rover);
    /// Reads what CVdXmlGpsReference::Read reads, the four DOP figures with their flags and
    /// the common epochs without any flag: "Start" and "End" back into Modified Julian Dates
    /// (through the date value of their date-time entries) and "Span" from its duration text
    /// "[-]PnDTnHnMn.nnnnS" into days (any duration of days, hours, minutes and seconds is
    /// accepted). An empty "Span" counts as not given. A "Span" that is not such a duration
    /// leaves TSCE.Span as it was and makes Read fail with E_FAIL after everything else was
    /// read.
    /// @return S_OK; E_FAIL when element holds no XML element or "Span" is not a duration;
    ///         the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_GPS_ROVER& rover);
};
