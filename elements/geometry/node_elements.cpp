// Points, coordinates and coordinate differences inserted below any node.
#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/point.h"

long CVdXmlNode::InsertPoint(const VDXML_POINT& point, CVdXmlPoint& out) const {
    return out.Create(*this, point);
}

long CVdXmlNode::InsertCoord(const VDXML_COORD& coord, CVdXmlCoord& out) const {
    return out.Create(*this, coord);
}

long CVdXmlNode::InsertDCoord(const VDXML_DCOORD& dcoord, CVdXmlDCoord& out) const {
    return out.Create(*this, dcoord);
}
