// CVdXmlThematicalAttribute: writes and reads one thematic attribute value "ThematicalAttr".
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/thematic_records.h"

/// The wrapper of one "ThematicalAttr" element.
class VDXML_API CVdXmlThematicalAttribute : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlThematicalAttribute() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlThematicalAttribute(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlThematicalAttribute(const CVdXmlThematicalAttribute&) = delete;
    CVdXmlThematicalAttribute& operator=(const CVdXmlThematicalAttribute&) = delete;
    ~CVdXmlThematicalAttribute() override = default;

    /// Writes "ThematicalAttr" below parent: "Name", "Note" (when not empty), "Value" for the
    /// value types 1 (whole number), 3 (5 decimals) and 4 (text) only, then "ValueType" with
    /// its text.
    /// @return E_FAIL, writing nothing, for an empty name, without flagAttribute or for a
    ///         parent without a document; E_FAIL right after "ValueType" for a type without a
    ///         text (above 5); the first failing write; otherwise the status of "ValueType"
    long Create(const CVdXmlNode& parent, const VDXML_THEMATICAL_ATTRIBUTE& attribute);
    /// Reads the name, the value as text into TextValue whatever its type, and the value type;
    /// each sets flagAttribute. LongValue, DoubleValue and the note are not filled.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status

    static long Read(VDXML_ELEMENT& element, VDXML_THEMATICAL_ATTRIBUTE& attribute);
};
