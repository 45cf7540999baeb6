// CVdXmlTrfResidual: writes one "TrfResidual" element of a transformation: the residual's
// dimension, the control point's name and coordinates in the source and target systems, and
// the residual itself. The element is not read back beyond a presence check.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/trf_records.h"

/// The wrapper of one "TrfResidual" element.
class VDXML_API CVdXmlTrfResidual : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode {
        NODE_SOURCE = 1,      ///< "Source"
        NODE_SOURCE_CRD = 2,  ///< "Crd" below "Source"
        NODE_TARGET = 3,      ///< "Target"
        NODE_TARGET_CRD = 4,  ///< "Crd" below "Target"
        NODE_DCRD = 5,        ///< "DCrd"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlTrfResidual() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlTrfResidual(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlTrfResidual(const CVdXmlTrfResidual&) = delete;
    CVdXmlTrfResidual& operator=(const CVdXmlTrfResidual&) = delete;
    ~CVdXmlTrfResidual() override = default;

    /// Writes "TrfResidual" below parent: "Type" with its text ("1D", "2D", "3D"), then
    /// "Source" and "Target" ("Name", "Crd" with "XYZ" and "ENH", each with its "Qlty") when the
    /// name flag is set and the system has coordinates, then "DCrd" ("DXYZ", "DENH",
    /// "DDistance") when a residual is flagged.
    /// @return E_FAIL, writing nothing, for a Type other than 1, 2 or 3; E_FAIL for a parent
    ///         without a document; the first failing write, which ends the writer; else the
    ///         status of the last write (S_FALSE when that value was skipped as not finite)
    long Create(const CVdXmlNode& parent, const VDXML_TRFRESIDUAL& residual);
    /// Checks that element is there; fills nothing.
    /// @return S_OK; E_FAIL when element holds no XML element
    static long Read(VDXML_ELEMENT& element, VDXML_TRFRESIDUAL& residual);

    /// The node written under n by the last Create, or null.
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertCartesian;
    using CVdXmlNode::InsertGrid;
    using CVdXmlNode::InsertQlty;
    using CVdXmlNode::InsertResidualCartesian;
    using CVdXmlNode::InsertResidualGrid;

  protected:
    using CVdXmlElementNode::Initialize;
    using CVdXmlElementNode::InsertItemName;

    // Each block writer creates its element through a temporary wrapper and fills it with
    // the node writer of the same name; it returns the first failure, else the status of
    // the last entry written.

    /// "XYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertCartesian(const CVdXmlNode& parent, const VDXML_CARTESIAN& xyz) const;
    /// "ENH" below parent, with "Qlty" of the dimension its flags give.
    long InsertGrid(const CVdXmlNode& parent, const VDXML_GRID& enh) const;
    /// "DXYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertResidualCartesian(const CVdXmlNode& parent,
                                 const VDXML_RESIDUAL_CARTESIAN& dxyz) const;
    /// "DENH" below parent, with "Qlty" of the dimension its flags give.
    long InsertResidualGrid(const CVdXmlNode& parent, const VDXML_RESIDUAL_GRID& denh) const;
    /// "Qlty" below parent: cofactors with the standard deviations derived from them.
    long InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                    const VDXML_QLTY& qlty) const;

  private:
    /// Element tag below parent, its values written by values; then, when withQuality, a
    /// "Qlty" of dimension below it.
    template <class Values>
    long InsertBlock(const CVdXmlNode& parent, const _bstr_t& tag, Values&& values,
                     bool withQuality, VDXML_COORD::enmType dimension,
                     const VDXML_QLTY& qlty) const;
    /// "Source" or "Target" as table nodes system and crd: the name, then the coordinates.
    long InsertControlPoint(enmNode system, enmNode crd, const _bstr_t& tag, const _bstr_t& name,
                            const VDXML_CARTESIAN& xyz, const VDXML_GRID& enh);
    /// "DCrd" as table node NODE_DCRD with the flagged residuals and the distance residual.
    long InsertResidual(const VDXML_TRFRESIDUAL& residual);
};
