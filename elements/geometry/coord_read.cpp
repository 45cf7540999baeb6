// Reading a coordinate element back. The map matches by element name and depth only, so the
// local geodetic latitude, any block's heights and every quality block land in the fields
// below as well; the value met last in document order stays.
#include "elements/read_rows.h"
#include "vdxml/coord.h"
#include "vdxml/vocabulary.h"

namespace vdxml_elements {
void AddReadRows(Map& map, VDXML_COORD& c, ReadScratch&) {
    const auto D = VDXML_PARSE_NODEDATA::fmtDouble;
    // Values sit at depth 3: "Crd" / "W84" or "Lcl" / block / value.
    map.AddEntry(VdXml::tagCrdEasting, 3, D, &c.LocalEnh.E, &c.LocalEnh.Flags, VDXML_GRID::flagEN);
    map.AddEntry(VdXml::tagCrdNorthing, 3, D, &c.LocalEnh.N, &c.LocalEnh.Flags, VDXML_GRID::flagEN);
    map.AddEntry(VdXml::tagCrdHO, 3, D, &c.LocalEnh.HO, &c.LocalEnh.Flags, VDXML_GRID::flagHO);
    map.AddEntry(VdXml::tagCrdLat, 3, D, &c.Wgs84Llh.Lat, &c.Wgs84Llh.Flags,
                 VDXML_GEODETIC::flagLatLon);
    map.AddEntry(VdXml::tagCrdLon, 3, D, &c.Wgs84Llh.Lon, &c.Wgs84Llh.Flags,
                 VDXML_GEODETIC::flagLatLon);
    map.AddEntry(VdXml::tagCrdHE, 3, D, &c.Wgs84Llh.HE, &c.Wgs84Llh.Flags, VDXML_GEODETIC::flagHE);
    // Cofactors one level deeper, in the block's "Qlty".
    VDXML_QLTY& q = c.Wgs84Llh.Qlty;
    const std::uint8_t qlty = VDXML_GEODETIC::flagQlty;
    map.AddEntry(VdXml::tagQltyM0, 4, D, &q.M0, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxx, 4, D, &q.Q11, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxy, 4, D, &q.Q12, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQxz, 4, D, &q.Q13, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQyy, 4, D, &q.Q22, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQyz, 4, D, &q.Q23, &c.Wgs84Llh.Flags, qlty);
    map.AddEntry(VdXml::tagQltyQzz, 4, D, &q.Q33, &c.Wgs84Llh.Flags, qlty);
}
}  // namespace vdxml_elements

long CVdXmlCoord::Read(VDXML_ELEMENT& element, VDXML_COORD& c) {
    return vdxml_elements::ReadByRows(element, c, &ReadValues);
}
