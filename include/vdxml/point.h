// CVdXmlPoint: writes and reads the "Pnt" element. Coordinates and other sub-elements are
// written below it by the caller (CVdXmlNode::InsertCoord and the like).
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/geometry_records.h"

/// The wrapper of one "Pnt" element.
class VDXML_API CVdXmlPoint : public CVdXmlElementNode {
  public:
    /// The point creates no table nodes itself; derived classes choose their own ids for
    /// InsertItemName.
    enum enmNode : int {};

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlPoint() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlPoint(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlPoint(const CVdXmlPoint&) = delete;
    CVdXmlPoint& operator=(const CVdXmlPoint&) = delete;
    ~CVdXmlPoint() override = default;

    /// Writes "Pnt" below parent: "Name", "Note" (when not empty), "Cl" and "SCl" with their
    /// texts as comments (when not 0), "Epoch" (when set).
    /// @return E_FAIL, writing nothing, for an empty name or a parent without a document;
    ///         E_FAIL after "Cl" or "SCl" for a code without a text, and for an epoch out of
    ///         the date range; the first failing write, which ends the writer; else the
    ///         status of the last entry written
    long Create(const CVdXmlNode& parent, const VDXML_POINT& point);
    /// Reads name, note, class, subclass and epoch; no other field changes.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_POINT& point);

    /// The table node under n: null unless a derived class stored one (InsertItemName).
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;
    /// InsertItemName(parent, id, tag, item, out): see CVdXmlElementNode.
    using CVdXmlElementNode::InsertItemName;
};
