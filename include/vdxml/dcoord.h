// CVdXmlDCoord: writes the coordinate-difference element "DCrd": WGS 84 and local differences
// with polar elements, quality, absolute and relative standard deviations and centring
// accuracies. The element is not read back.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/geometry_records.h"

/// The wrapper of one "DCrd" element.
class VDXML_API CVdXmlDCoord : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode {
        NODE_WGS84 = 1,  ///< "W84"
        NODE_LOCAL = 2   ///< "Lcl"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlDCoord() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlDCoord(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlDCoord(const CVdXmlDCoord&) = delete;
    CVdXmlDCoord& operator=(const CVdXmlDCoord&) = delete;
    ~CVdXmlDCoord() override = default;

    /// Writes "DCrd" below parent: "W84" ("DXYZ", "DLLH"), "Lcl" ("DXYZ", "DLLH", "DENH"),
    /// each block when its flags open it (quality, deviations and the 2D and 3D distances
    /// alone do not), then "ACPos" and "ACHgt" (5 decimals) when flagged. Nothing is refused:
    /// a difference without values gives an empty "DCrd".
    /// @return S_OK; E_FAIL for a parent without a document; otherwise the first failing
    ///         write, which ends the writer (E_FAIL after an "SdRel" entry whose unit the
    ///         document's units do not name)
    long Create(const CVdXmlNode& parent, const VDXML_DCOORD& dcoord);
    /// Checks that element is there; fills nothing.
    /// @return S_OK; E_FAIL when element holds no XML element
    static long Read(VDXML_ELEMENT& element, VDXML_DCOORD& dcoord);

    /// The "W84" or "Lcl" node written by the last Create, or null.
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertDCartesian;
    using CVdXmlNode::InsertDGeodetic;
    using CVdXmlNode::InsertDGrid;
    using CVdXmlNode::InsertQlty;
    using CVdXmlNode::InsertSdAbs;
    using CVdXmlNode::InsertSdRel;

  protected:
    using CVdXmlElementNode::Initialize;

    // Each block writer creates its element through a temporary wrapper and fills it with
    // the node writer of the same name (CVdXmlNode::InsertDCartesian, ...); it returns the
    // first failure, else the status of the last entry written.

    /// "DXYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertDCartesian(const CVdXmlNode& parent, const VDXML_DCARTESIAN& dxyz) const;
    /// "DLLH" below parent, with "Qlty", "SdAbs", "SdRel" by their flags.
    long InsertDGeodetic(const CVdXmlNode& parent, const VDXML_DGEODETIC& dllh) const;
    /// "DENH" below parent, with "Qlty", "SdAbs", "SdRel" by their flags.
    long InsertDGrid(const CVdXmlNode& parent, const VDXML_DGRID& denh) const;
    /// "Qlty" below parent; E_FAIL, after creating it, for dimension 0.
    long InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                    const VDXML_QLTY& qlty) const;
    /// "SdAbs" below parent.
    long InsertSdAbs(const CVdXmlNode& parent, const VDXML_SD& sd) const;
    /// "SdRel" below parent.
    long InsertSdRel(const CVdXmlNode& parent, const VDXML_SD& sd) const;

  private:
    /// After the values of a geodetic or grid difference (hr their status): "Qlty",
    /// "SdAbs" and "SdRel" by the block's flags, only while nothing has failed.
    template <class Block>
    long InsertQualityAndDeviations(const CVdXmlNode& node, const Block& block, long hr) const;
};
