// One stakeout "Stakeout": designs with their results.
#include "vdxml/appl_stakeout.h"

#include "elements/entry_sequence.h"
#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/point.h"
#include "vdxml/stakeout_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::WriteSubElement;

namespace {

bool IsWritable(const VDXML_POINT& point) {
    return !point.Name.empty() && point.Class != VDXML_PNT_CLASS_NONE;
}

// At least one coordinate value: Cartesian coordinates, or any value of a geodetic or grid
// block.
bool HoldsValue(const VDXML_COORD& c) {
    return (c.Wgs84Xyz.Flags & VDXML_CARTESIAN::flagXyz) ||
           (c.Wgs84Llh.Flags & VDXML_GEODETIC::maskValues) ||
           (c.LocalXyz.Flags & VDXML_CARTESIAN::flagXyz) ||
           (c.LocalLlh.Flags & VDXML_GEODETIC::maskValues) ||
           (c.LocalEnh.Flags & VDXML_GRID::maskValues);
}

bool IsComplete(const VDXML_STAKEOUT_RESULT& result) {
    return IsWritable(result.Point) && HoldsValue(result.Coord);
}

}  // namespace

long CVdXmlApplStakeout::Create(const CVdXmlNode& parent, const VDXML_STAKEOUT_MAP& designs) {
    const long hr = Initialize(parent.GetRoot());
    if (FAILED(hr)) return hr;
    return WriteSubElement(*this, parent, VdXml::tagStakeout, [&](const CVdXmlNode& stakeout) {
        long last = S_OK;  // the status of the "Stakeout" element itself
        for (const auto& [design, results] : designs)
            if (IsWritable(design.Point)) last = WriteDesign(stakeout, design, results);
        return last;
    });
}

long CVdXmlApplStakeout::WriteDesign(const CVdXmlNode& stakeout,
                                     const VDXML_STAKEOUT_DESIGN& design,
                                     const std::vector<VDXML_STAKEOUT_RESULT>& results) const {
    return WriteSubElement(*this, stakeout, VdXml::tagStaked, [&](const CVdXmlNode& staked) {
        long last = WritePointAndCoord(staked, design.Point, design.Coord);
        if (FAILED(last)) return last;  // abandons this design only
        for (const VDXML_STAKEOUT_RESULT& result : results)
            if (IsComplete(result)) last = WriteResult(staked, result);
        return last;
    });
}

long CVdXmlApplStakeout::WriteResult(const CVdXmlNode& staked,
                                     const VDXML_STAKEOUT_RESULT& result) const {
    using R = VDXML_STAKEOUT_RESULT;
    return WriteSubElement(*this, staked, VdXml::tagResultInfo, [&](const CVdXmlNode& info) {
        long hr = WritePointAndCoord(info, result.Point, result.Coord);
        if (FAILED(hr)) return hr;
        CVdXmlDCoord difference;  // lives for this call only; the element stays
        hr = info.InsertDCoord(result.DCoord, difference);
        if (FAILED(hr)) return hr;
        const std::uint8_t f = result.Flags;
        return EntrySequence(info, hr)
            .Enumerated(VdXml::tagHgtModel, result.HgtModel, VdXml::enumStakeoutHeightModel)
            .Enumerated(VdXml::tagType, result.Type, VdXml::enumStakeoutCutFill)
            .Number(f & R::flagCoordDiff1D, VdXml::tagCoordDiff1D, result.CoordDiff1D, 5)
            .Number(f & R::flagCoordDiff2D, VdXml::tagCoordDiff2D, result.CoordDiff2D, 5)
            .Number(f & R::flagCoordDiff3D, VdXml::tagCoordDiff3D, result.CoordDiff3D, 5)
            .Number(f & R::flagDiffInOut, VdXml::tagDiffInOut, result.DiffInOut, 5)
            .Number(f & R::flagDiffLeftRight, VdXml::tagDiffLeftRight, result.DiffLeftRight, 5)
            .Number(f & R::flagHgtOffset, VdXml::tagHeightOffset, result.HgtOffset, 5)
            .Status();
    });
}

long CVdXmlApplStakeout::WritePointAndCoord(const CVdXmlNode& parent, const VDXML_POINT& point,
                                            const VDXML_COORD& coord) const {
    CVdXmlPoint pnt;  // both live for this call only; their elements stay
    const long hr = parent.InsertPoint(point, pnt);
    if (FAILED(hr)) return hr;
    CVdXmlCoord crd;
    return pnt.InsertCoord(coord, crd);
}

long CVdXmlApplStakeout::Read(VDXML_ELEMENT& element, VDXML_STAKEOUT_MAP& designs) {
    if (!element.Element()) return E_FAIL;
    for (const auto& [design, results] : designs) {
        if (design.Point.Class == VDXML_PNT_CLASS_NONE ||
            design.Coord.Type == VDXML_COORD_TYPE_NONE || results.empty() ||
            !IsComplete(results.front()))
            return E_FAIL;
    }
    return S_OK;
}

long CVdXmlNode::InsertStakeout(const VDXML_STAKEOUT_MAP& designs,
                                CVdXmlApplStakeout& stakeout) const {
    return stakeout.Create(*this, designs);
}
