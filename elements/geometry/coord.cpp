// The coordinate element "Crd": dimension, sources, averaging status, the WGS 84 and local
// blocks, geoid separation and the coordinate quality.
#include "vdxml/coord.h"

#include "elements/entry_sequence.h"
#include "elements/read_rows.h"
#include "vdxml/geodesy.h"
#include "vdxml/geometry_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::QualityDimension;
using vdxml_elements::WriteSubElement;

namespace {

bool HasValues(const VDXML_GEODETIC& b) { return (b.Flags & VDXML_GEODETIC::maskValues) != 0; }
bool HasValues(const VDXML_GRID& b) { return (b.Flags & VDXML_GRID::maskValues) != 0; }
bool HasValues(const VDXML_CARTESIAN& b) { return (b.Flags & VDXML_CARTESIAN::flagXyz) != 0; }

template <class Block>
bool HasQuality(const Block& b) {
    return HasValues(b) && (b.Flags & Block::flagQlty) != 0;
}

// Cartesian blocks are written only for three-dimensional coordinates.
bool IsThreeDimensional(VDXML_COORD::enmType type) {
    return type == VDXML_COORD_TYPE_3D || type == VDXML_COORD_TYPE_NONE;
}

// The quality of a Cartesian block rotated into north, east, up at its own position on the
// WGS 84 ellipsoid; M0 stays.
VDXML_QLTY RotatedToNorthEastUp(const VDXML_CARTESIAN& xyz) {
    VDXML_QLTY q = xyz.Qlty;
    double x = xyz.X, y = xyz.Y, z = xyz.Z;
    double cofactors[6] = {q.Q11, q.Q12, q.Q13, q.Q22, q.Q23, q.Q33};
    VdXml::XyzToGeodeticWgs84(x, y, z, cofactors);
    q.Q11 = cofactors[0];
    q.Q12 = cofactors[1];
    q.Q13 = cofactors[2];
    q.Q22 = cofactors[3];
    q.Q23 = cofactors[4];
    q.Q33 = cofactors[5];
    return q;
}

// The quality the coordinate quality is computed from: the first block with quality, local
// grid and geodetic blocks before the WGS 84 ones and geodetic before Cartesian.
bool ChooseQuality(const VDXML_COORD& c, VDXML_QLTY& q) {
    if (HasQuality(c.LocalEnh)) {
        q = c.LocalEnh.Qlty;
    } else if (HasQuality(c.LocalLlh)) {
        q = c.LocalLlh.Qlty;
    } else if (HasQuality(c.Wgs84Llh)) {
        q = c.Wgs84Llh.Qlty;
    } else if (HasQuality(c.Wgs84Xyz)) {
        q = RotatedToNorthEastUp(c.Wgs84Xyz);
    } else if (HasQuality(c.LocalXyz)) {
        q = RotatedToNorthEastUp(c.LocalXyz);
    } else {
        return false;
    }
    return true;
}

}  // namespace

long CVdXmlCoord::Create(const CVdXmlNode& parent, const VDXML_COORD& c) {
    const long hr = CreateElement(parent, VdXml::tagCoord);
    if (FAILED(hr)) return hr;

    const bool xyz3d = IsThreeDimensional(c.Type);
    const bool wgs84 = HasValues(c.Wgs84Xyz) || HasValues(c.Wgs84Llh);
    const bool local = HasValues(c.LocalXyz) || HasValues(c.LocalLlh) || HasValues(c.LocalEnh);
    CVdXmlNode* node = nullptr;
    VDXML_QLTY quality;

    EntrySequence entries(*this);
    entries.Enumerated(VdXml::tagType, static_cast<std::uint32_t>(c.Type), VdXml::enumCoordType)
        .Enumerated(VdXml::tagSourcePos, c.SourcePos, VdXml::enumCoordSource)
        .Enumerated(VdXml::tagSourceHgt, c.SourceHgt, VdXml::enumCoordSource)
        .Then(c.AvgStatus != 0,
              [&] {
                  const long status = InsertEntry(VdXml::tagAvgStatus, c.AvgStatus);
                  if (FAILED(status)) return status;
                  return InsertComment(VdXml::AvgStatusText(c.AvgStatus));
              })
        .Then(wgs84, [&] { return CreateTableElement(*this, NODE_WGS84, VdXml::tagWGS84, node); })
        .Then(wgs84 && xyz3d && HasValues(c.Wgs84Xyz),
              [&] { return InsertCartesian(*node, c.Wgs84Xyz); })
        .Then(wgs84 && HasValues(c.Wgs84Llh), [&] { return InsertGeodetic(*node, c.Wgs84Llh); })
        .Then(local, [&] { return CreateTableElement(*this, NODE_LOCAL, VdXml::tagLocal, node); })
        .Then(local && xyz3d && HasValues(c.LocalXyz),
              [&] { return InsertCartesian(*node, c.LocalXyz); })
        .Then(local && HasValues(c.LocalLlh), [&] { return InsertGeodetic(*node, c.LocalLlh); })
        .Then(local && HasValues(c.LocalEnh), [&] { return InsertGrid(*node, c.LocalEnh); })
        .Number((c.Flags & VDXML_COORD::flagGeoidSeparation) != 0, VdXml::tagCrdN,
                c.GeoidSeparation, 5)
        .Then(ChooseQuality(c, quality),
              [&] { return InsertCQ(*this, xyz3d ? VDXML_COORD_TYPE_3D : c.Type, quality); });
    return entries.Failed() ? entries.Status() : S_OK;
}

long CVdXmlCoord::InsertCartesian(const CVdXmlNode& parent, const VDXML_CARTESIAN& xyz) const {
    return WriteSubElement(*this, parent, VdXml::tagXYZ, [&](const CVdXmlNode& node) {
        const long hr = node.InsertCartesian(xyz);
        if (FAILED(hr) || (xyz.Flags & VDXML_CARTESIAN::flagQlty) == 0) return hr;
        return InsertQlty(node, VDXML_COORD_TYPE_3D, xyz.Qlty);
    });
}

long CVdXmlCoord::InsertGeodetic(const CVdXmlNode& parent, const VDXML_GEODETIC& llh) const {
    return WriteSubElement(*this, parent, VdXml::tagLLH, [&](const CVdXmlNode& node) {
        const long hr = node.InsertGeodetic(llh);
        if (FAILED(hr) || (llh.Flags & VDXML_GEODETIC::flagQlty) == 0) return hr;
        return InsertQlty(
            node,
            QualityDimension((llh.Flags & VDXML_GEODETIC::flagLatLon) != 0,
                             (llh.Flags & (VDXML_GEODETIC::flagHE | VDXML_GEODETIC::flagHO)) != 0),
            llh.Qlty);
    });
}

long CVdXmlCoord::InsertGrid(const CVdXmlNode& parent, const VDXML_GRID& enh) const {
    return WriteSubElement(*this, parent, VdXml::tagENH, [&](const CVdXmlNode& node) {
        const long hr = node.InsertGrid(enh);
        if (FAILED(hr) || (enh.Flags & VDXML_GRID::flagQlty) == 0) return hr;
        return InsertQlty(
            node,
            QualityDimension((enh.Flags & VDXML_GRID::flagEN) != 0,
                             (enh.Flags & (VDXML_GRID::flagHE | VDXML_GRID::flagHO)) != 0),
            enh.Qlty);
    });
}

long CVdXmlCoord::InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                             const VDXML_QLTY& qlty) const {
    return WriteSubElement(*this, parent, VdXml::tagQlty, [&](const CVdXmlNode& node) {
        return node.InsertQlty(dimension, qlty);
    });
}

long CVdXmlCoord::InsertCQ(const CVdXmlNode&, VDXML_COORD::enmType dimension,
                           const VDXML_QLTY& qlty) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_CQ, VdXml::tagCq, node);
    if (FAILED(hr)) return hr;
    return node->InsertCQ(dimension, qlty);
}

long CVdXmlCoord::Read(VDXML_ELEMENT& element, VDXML_COORD& c) {
    return vdxml_elements::ReadByRows(element, c, &ReadValues);
}
