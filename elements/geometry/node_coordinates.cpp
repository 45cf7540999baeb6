// Coordinate blocks written into a node: Cartesian, geodetic and grid values.
#include "elements/entry_sequence.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

namespace {
// Geodetic and grid blocks differ only in their position pair: two values by the position
// flag, then the ellipsoidal and orthometric heights by theirs. E_FAIL when none is flagged.
long InsertPositionAndHeights(const CVdXmlNode& node, std::uint8_t flags, const _bstr_t& tag1,
                              double value1, const _bstr_t& tag2, double value2, unsigned precision,
                              double he, double ho) {
    const bool position = (flags & VDXML_GEODETIC::flagLatLon) != 0;
    return EntrySequence(node, E_FAIL)
        .Number(position, tag1, value1, precision)
        .Number(position, tag2, value2, precision)
        .Number((flags & VDXML_GEODETIC::flagHE) != 0, VdXml::tagCrdHE, he, 5)
        .Number((flags & VDXML_GEODETIC::flagHO) != 0, VdXml::tagCrdHO, ho, 5)
        .Status();
}
}  // namespace

long CVdXmlNode::InsertCartesian(const VDXML_CARTESIAN& xyz) const {
    if ((xyz.Flags & VDXML_CARTESIAN::flagXyz) == 0) return E_FAIL;
    return EntrySequence(*this)
        .Number(true, VdXml::tagCrdX, xyz.X, 5)
        .Number(true, VdXml::tagCrdY, xyz.Y, 5)
        .Number(true, VdXml::tagCrdZ, xyz.Z, 5)
        .Status();
}

long CVdXmlNode::InsertGeodetic(const VDXML_GEODETIC& llh) const {
    return InsertPositionAndHeights(*this, llh.Flags, VdXml::tagCrdLat, llh.Lat, VdXml::tagCrdLon,
                                    llh.Lon, 15, llh.HE, llh.HO);
}

long CVdXmlNode::InsertGrid(const VDXML_GRID& enh) const {
    return InsertPositionAndHeights(*this, enh.Flags, VdXml::tagCrdEasting, enh.E,
                                    VdXml::tagCrdNorthing, enh.N, 5, enh.HE, enh.HO);
}
