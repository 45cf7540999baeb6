// CVdXmlThematicalCode: writes and reads one thematic code "ThematicalCode": its name, its
// geometry type and its description.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/thematic_records.h"

class CVdXmlThematicalCode : public CVdXmlElementNode {
  public:
    CVdXmlThematicalCode() = default;
    explicit CVdXmlThematicalCode(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlThematicalCode(const CVdXmlThematicalCode&) = delete;
    CVdXmlThematicalCode& operator=(const CVdXmlThematicalCode&) = delete;
    ~CVdXmlThematicalCode() override = default;

    /// Writes "ThematicalCode" below parent: "Name", "Note" (when not empty), "Type" with its
    /// geometry text (when not 0) and "CodeDesc" (when not empty). E_FAIL, writing nothing,
    /// for an empty name or a parent without a document; E_FAIL right after "Type" for a type
    /// without a text. Otherwise the status of the last entry written.
    long Create(const CVdXmlNode& parent, const VDXML_THEMATICAL_CODE& code);
    /// Reads the name, the type and the description; the note is not read. No flag is set.
    static long Read(VDXML_ELEMENT& element, VDXML_THEMATICAL_CODE& code);
};
