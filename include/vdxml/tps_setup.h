// CVdXmlTpsSetup: writes and reads the "TpsSetup" element, one occupation of a station by a
// total station: time, instrument height and orientation, and the "Instrument" with its
// name, type, serial number, information and nominal accuracy.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/tps_records.h"

/// The wrapper of one "TpsSetup" element.
class VDXML_API CVdXmlTpsSetup : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode : int {
        NODE_INSTRUMENT = 1  ///< "Instrument"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlTpsSetup() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlTpsSetup(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlTpsSetup(const CVdXmlTpsSetup&) = delete;
    CVdXmlTpsSetup& operator=(const CVdXmlTpsSetup&) = delete;
    ~CVdXmlTpsSetup() override = default;

    /// Writes "TpsSetup" below parent: "Time" (unless unset), "InstrHgt" (5 decimals),
    /// "InstrOrientation" (15 decimals, when flagged), then "Instrument" with "Name"/"Note"
    /// (when the name is not empty), "Type", "InstrSn" and "InstrInfo" (when flagged) and
    /// "TpsInstrAccuracy" (when all three figures are greater than 0).
    /// @return E_FAIL, writing nothing and keeping the nodes of the previous Create, without
    ///         the instrument height flag or the instrument's required flags; E_FAIL for a
    ///         parent without a document or a "Time" out of the date range; the first failing
    ///         write, which ends the writer; otherwise the status of the last entry written
    ///         (S_FALSE when that number was skipped as not finite)
    long Create(const CVdXmlNode& parent, const VDXML_TPS_SETUP& setup);
    /// Reads "InstrHgt", "InstrOrientation" and the instrument's "Type", setting their flags
    /// (a type sets both required instrument flags). Time, item name, serial number,
    /// information and accuracy are not read: they keep the values they had.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_TPS_SETUP& setup);

    /// The "Instrument" node written by the last Create that was not refused, or null.
    const CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;
    /// InsertItemName(parent, id, tag, item, out): see CVdXmlElementNode.
    using CVdXmlElementNode::InsertItemName;

  private:
    /// "Instrument" as table node NODE_INSTRUMENT with its children; the status of its last
    /// entry, or its first failure.
    long InsertInstrument(const VDXML_TPS_INSTRUMENT& instrument);
};
