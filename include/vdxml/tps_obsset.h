// CVdXmlTpsObsSet: writes and reads the "TpsObsSet" element, one total-station measurement
// to a target: reflector, time, face, the observed angles and distances and their accuracy.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/tps_records.h"

class CVdXmlTpsObsSet : public CVdXmlElementNode {
  public:
    enum enmNode : int { NODE_REFLECTOR = 1, NODE_ACCURACY = 2 };

    CVdXmlTpsObsSet() = default;
    explicit CVdXmlTpsObsSet(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlTpsObsSet(const CVdXmlTpsObsSet&) = delete;
    CVdXmlTpsObsSet& operator=(const CVdXmlTpsObsSet&) = delete;
    ~CVdXmlTpsObsSet() override = default;

    /// Writes "TpsObsSet" below parent: "Reflector" ("Type" with its text, "Hgt") when flagged
    /// and not none, "Time" (when > 0), "FaceType" with its text (when not 0), the flagged
    /// "Hz", "Zen" (15 decimals), "DistS", "DH", "DistHz" (5 decimals) and "Accuracy" with
    /// the flagged figures (angles 15, distances 5 decimals).
    /// E_FAIL, writing nothing and keeping the nodes of the previous Create, without any
    /// observation flag. E_FAIL after "Type" or "FaceType" for a code without a text. Stops
    /// at the first failing write; otherwise the status of the last entry written.
    long Create(const CVdXmlNode& parent, const VDXML_TPS_OBSSET& obsSet);
    /// Reads the reflector's "Type" (no flag) and "Hgt" (sets the reflector flag), "Hz", "Zen"
    /// and "DistS" with their flags. Time, face, "DH", "DistHz" and the accuracy are not read:
    /// they keep the values they had.
    static long Read(VDXML_ELEMENT& element, VDXML_TPS_OBSSET& obsSet);

    /// The "Reflector" or "Accuracy" node written by the last Create that was not refused;
    /// null when that Create wrote no such child.
    const CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;
    /// InsertItemName(parent, id, tag, item, out): see CVdXmlElementNode.
    using CVdXmlElementNode::InsertItemName;

  private:
    long InsertReflector(const VDXML_TPS_REFLECTOR& reflector);
    long InsertAccuracy(const VDXML_TPS_OBS_ACCURACY& accuracy);
};
