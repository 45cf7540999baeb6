// CVdXmlApplStakeout: writes all designs and results of one stakeout as one "Stakeout"
// element. Stakeouts are written only; Read checks a map, it reads nothing from a file.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/stakeout_records.h"

/// The writer of one "Stakeout" element; it keeps no table nodes.
class VDXML_API CVdXmlApplStakeout : public CVdXmlElementNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlApplStakeout() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlApplStakeout(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlApplStakeout(const CVdXmlApplStakeout&) = delete;
    CVdXmlApplStakeout& operator=(const CVdXmlApplStakeout&) = delete;
    ~CVdXmlApplStakeout() override = default;

    /// Writes "Stakeout" below parent (through a temporary node: this object takes the
    /// parent's document but does not become the element), then per design in map order one
    /// "Staked" with the design's "Pnt" and its "Crd" and, per complete result in vector
    /// order, one "ResultInfo" with the result's "Pnt", "Crd", "DCrd", "HgtModel" and "Type"
    /// with their texts (when not 0) and the flagged differences (5 decimals).
    /// Designs without a point name or class and incomplete results are skipped. A failure
    /// abandons only its design or result; writing goes on with the next one.
    /// @return E_FAIL, writing nothing, for a parent without a document; the failure of
    ///         "Stakeout" itself; otherwise the status of the last design or result written
    ///         (S_OK when none was), so an earlier failure shows only when nothing was
    ///         attempted after it
    long Create(const CVdXmlNode& parent, const VDXML_STAKEOUT_MAP& designs);
    /// Reads nothing from element; checks the map instead. The map is not changed.
    /// @return S_OK; E_FAIL when element holds no XML element, and at the first design whose
    ///         point has class 0, whose coordinate has type 0, whose result vector is empty or
    ///         whose first result is not complete
    static long Read(VDXML_ELEMENT& element, VDXML_STAKEOUT_MAP& designs);

  private:
    /// One "Staked" below stakeout: the design's point and coordinate, then its complete
    /// results. The design's own failure ends it; otherwise the status of its last result.
    long WriteDesign(const CVdXmlNode& stakeout, const VDXML_STAKEOUT_DESIGN& design,
                     const std::vector<VDXML_STAKEOUT_RESULT>& results) const;
    /// One "ResultInfo" below staked with the result's point, coordinate, difference, codes
    /// and flagged differences; the first failure ends it.
    long WriteResult(const CVdXmlNode& staked, const VDXML_STAKEOUT_RESULT& result) const;
    /// "Pnt" below parent, then "Crd" below that "Pnt".
    long WritePointAndCoord(const CVdXmlNode& parent, const VDXML_POINT& point,
                            const VDXML_COORD& coord) const;
};
