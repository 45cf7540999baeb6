// CVdXmlApplStakeout: writes all designs and results of one stakeout as one "Stakeout"
// element. Stakeouts are written only; Read checks a map, it reads nothing from a file.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/stakeout_records.h"

class CVdXmlApplStakeout : public CVdXmlElementNode {
  public:
    CVdXmlApplStakeout() = default;
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
    /// abandons only its design or result; writing goes on with the next one. Returns the
    /// status of the last operation performed, so an earlier failure shows only when nothing
    /// was attempted after it. E_FAIL, writing nothing, for a parent without a document.
    long Create(const CVdXmlNode& parent, const VDXML_STAKEOUT_MAP& designs);
    /// Reads nothing from element (E_FAIL when it holds no XML element); checks the map
    /// instead: E_FAIL at the first design whose point has class 0, whose coordinate has
    /// type 0, whose result vector is empty or whose first result is not complete. The map
    /// is not changed.
    static long Read(VDXML_ELEMENT& element, VDXML_STAKEOUT_MAP& designs);

  private:
    long WriteDesign(const CVdXmlNode& stakeout, const VDXML_STAKEOUT_DESIGN& design,
                     const std::vector<VDXML_STAKEOUT_RESULT>& results) const;
    long WriteResult(const CVdXmlNode& staked, const VDXML_STAKEOUT_RESULT& result) const;
    long WritePointAndCoord(const CVdXmlNode& parent, const VDXML_POINT& point,
                            const VDXML_COORD& coord) const;
};
