// CVdXmlTpsSetupDetails: writes and reads the "TpsSetupDetails" element, the orientation
// method of a setup as a code followed by its text.
#pragma once

#include "vdxml/export.h"
#include "vdxml/node.h"
#include "vdxml/tps_records.h"

/// The wrapper of one "TpsSetupDetails" element; it keeps no table nodes.
class VDXML_API CVdXmlTpsSetupDetails : public CVdXmlNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlTpsSetupDetails() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlTpsSetupDetails(const CVdXmlNodeBase& owner) : CVdXmlNode(owner) {}
    CVdXmlTpsSetupDetails(const CVdXmlTpsSetupDetails&) = delete;
    CVdXmlTpsSetupDetails& operator=(const CVdXmlTpsSetupDetails&) = delete;
    ~CVdXmlTpsSetupDetails() override = default;

    /// Writes "TpsSetupDetails" below parent with "Method" and the method's text as a comment.
    /// @return E_FAIL, writing nothing, for method 0 or a parent without a document; E_FAIL
    ///         when the element cannot be created (whatever the back end reported); E_FAIL
    ///         after "Method" for a code without a text (above 8); otherwise the status of
    ///         "Method" with its comment (see CVdXmlNode::InsertEnumerated)
    long Create(const CVdXmlNode& parent, const VDXML_TPS_SETUP_DETAILS& details);
    /// Only checks that element holds an element: the method is not read and keeps its value.
    /// @return S_OK; E_FAIL when element holds no XML element
    static long Read(VDXML_ELEMENT& element, VDXML_TPS_SETUP_DETAILS& details);

  protected:
    using CVdXmlNode::Initialize;
};
