// CVdXmlDCoord: writes the coordinate-difference element "DCrd": WGS 84 and local differences
// with polar elements, quality, absolute and relative standard deviations and centring
// accuracies. The element is not read back.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/geometry_records.h"

class CVdXmlDCoord : public CVdXmlElementNode {
  public:
    enum enmNode { NODE_WGS84 = 1, NODE_LOCAL = 2 };

    CVdXmlDCoord() = default;
    explicit CVdXmlDCoord(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlDCoord(const CVdXmlDCoord&) = delete;
    CVdXmlDCoord& operator=(const CVdXmlDCoord&) = delete;
    ~CVdXmlDCoord() override = default;

    /// Writes "DCrd" below parent: "W84" ("DXYZ", "DLLH"), "Lcl" ("DXYZ", "DLLH", "DENH"),
    /// "ACPos", "ACHgt". Stops at the first failing write.
    long Create(const CVdXmlNode& parent, const VDXML_DCOORD& dcoord);
    /// Checks that element is there (E_FAIL otherwise); fills nothing.
    static long Read(VDXML_ELEMENT& element, VDXML_DCOORD& dcoord);

    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertDCartesian;
    using CVdXmlNode::InsertDGeodetic;
    using CVdXmlNode::InsertDGrid;
    using CVdXmlNode::InsertQlty;
    using CVdXmlNode::InsertSdAbs;
    using CVdXmlNode::InsertSdRel;

  protected:
    using CVdXmlElementNode::Initialize;

    /// "DXYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertDCartesian(const CVdXmlNode& parent, const VDXML_DCARTESIAN& dxyz) const;
    /// "DLLH" below parent, with "Qlty", "SdAbs", "SdRel" by their flags.
    long InsertDGeodetic(const CVdXmlNode& parent, const VDXML_DGEODETIC& dllh) const;
    /// "DENH" below parent, with "Qlty", "SdAbs", "SdRel" by their flags.
    long InsertDGrid(const CVdXmlNode& parent, const VDXML_DGRID& denh) const;
    /// "Qlty" below parent.
    long InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                    const VDXML_QLTY& qlty) const;
    /// "SdAbs" below parent.
    long InsertSdAbs(const CVdXmlNode& parent, const VDXML_SD& sd) const;
    /// "SdRel" below parent.
    long InsertSdRel(const CVdXmlNode& parent, const VDXML_SD& sd) const;

  private:
    template <class Block>
    long InsertQualityAndDeviations(const CVdXmlNode& node, const Block& block, long hr) const;
};
