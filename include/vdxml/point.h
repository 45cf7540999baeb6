// CVdXmlPoint: writes and reads the "Pnt" element. Coordinates and other sub-elements are
// written below it by the caller (CVdXmlNode::InsertCoord and the like).
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/geometry_records.h"

class CVdXmlPoint : public CVdXmlElementNode {
  public:
    /// The point creates no table nodes itself; derived classes choose their own ids for
    /// InsertItemName.
    enum enmNode : int {};

    CVdXmlPoint() = default;
    explicit CVdXmlPoint(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlPoint(const CVdXmlPoint&) = delete;
    CVdXmlPoint& operator=(const CVdXmlPoint&) = delete;
    ~CVdXmlPoint() override = default;

    /// Writes "Pnt" below parent: "Name", "Note", "Cl" and "SCl" with their texts as comments
    /// (when not 0), "Epoch" (when set). E_FAIL, writing nothing, for an empty name; E_FAIL
    /// after "Cl"/"SCl" for a code without a text.
    long Create(const CVdXmlNode& parent, const VDXML_POINT& point);
    /// Reads name, note, class, subclass and epoch.
    static long Read(VDXML_ELEMENT& element, VDXML_POINT& point);

    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;
    /// InsertItemName(parent, id, tag, item, out): see CVdXmlElementNode.
    using CVdXmlElementNode::InsertItemName;
};
