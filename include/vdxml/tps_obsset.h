// CVdXmlTpsObsSet: writes and reads the "TpsObsSet" element, one total-station measurement
// to a target: reflector, time, face, the observed angles and distances and their accuracy.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/tps_records.h"

/// The wrapper of one "TpsObsSet" element.
class VDXML_API CVdXmlTpsObsSet : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode : int {
        NODE_REFLECTOR = 1,  ///< "Reflector"
        NODE_ACCURACY = 2    ///< "Accuracy"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlTpsObsSet() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlTpsObsSet(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlTpsObsSet(const CVdXmlTpsObsSet&) = delete;
    CVdXmlTpsObsSet& operator=(const CVdXmlTpsObsSet&) = delete;
    ~CVdXmlTpsObsSet() override = default;

    /// Writes "TpsObsSet" below parent: "Reflector" ("Type" with its text, "Hgt") when flagged
    /// and not none, "Time" (when > 0), "FaceType" with its text (when not 0), the flagged
    /// "Hz", "Zen" (15 decimals), "DistS", "DH", "DistHz" (5 decimals) and "Accuracy" with
    /// the flagged figures (angles 15, distances 5 decimals).
    /// @return E_FAIL, writing nothing and keeping the nodes of the previous Create, without
    ///         any observation flag; E_FAIL for a parent without a document, after "Type" or
    ///         "FaceType" for a code without a text, and for a "Time" out of the date range;
    ///         the first failing write, which ends the writer; otherwise the status of the
    ///         last entry written (S_FALSE when that number was skipped as not finite)
    long Create(const CVdXmlNode& parent, const VDXML_TPS_OBSSET& obsSet);
    /// Reads the reflector's "Type" (no flag) and "Hgt" (sets the reflector flag), "Hz", "Zen"
    /// and "DistS" with their flags. Time, face, "DH", "DistHz" and the accuracy are not read:
    /// they keep the values they had.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_TPS_OBSSET& obsSet);

    /// The "Reflector" or "Accuracy" node written by the last Create that was not refused;
    /// null when that Create wrote no such child.
    const CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;
    /// InsertItemName(parent, id, tag, item, out): see CVdXmlElementNode.
    using CVdXmlElementNode::InsertItemName;

  private:
    /// "Reflector" as table node NODE_REFLECTOR: "Type" with its text, "Hgt" (5 decimals).
    long InsertReflector(const VDXML_TPS_REFLECTOR& reflector);
    /// "Accuracy" as table node NODE_ACCURACY with the flagged figures.
    long InsertAccuracy(const VDXML_TPS_OBS_ACCURACY& accuracy);
};
