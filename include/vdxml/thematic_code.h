// CVdXmlThematicalCode: writes and reads one thematic code "ThematicalCode": its name, its
// geometry type and its description.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/thematic_records.h"

/// The wrapper of one "ThematicalCode" element.
class VDXML_API CVdXmlThematicalCode : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlThematicalCode() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlThematicalCode(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlThematicalCode(const CVdXmlThematicalCode&) = delete;
    CVdXmlThematicalCode& operator=(const CVdXmlThematicalCode&) = delete;
    ~CVdXmlThematicalCode() override = default;

    /// Writes "ThematicalCode" below parent: "Name", "Note" (when not empty), "Type" with its
    /// geometry text (when not 0) and "CodeDesc" (when not empty).
    /// @return E_FAIL, writing nothing, for an empty name or a parent without a document;
    ///         E_FAIL right after "Type" for a type without a text; the first failing write;
    ///         otherwise the status of the last entry written
    long Create(const CVdXmlNode& parent, const VDXML_THEMATICAL_CODE& code);
    /// Reads the name, the type and the description; the note is not read. No flag is set.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status

    static long Read(VDXML_ELEMENT& element, VDXML_THEMATICAL_CODE& code);
};
