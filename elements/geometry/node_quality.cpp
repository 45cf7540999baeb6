// Quality blocks written into a node: cofactors with their standard deviations, and the
// one-line coordinate quality.
#include <cmath>

#include "elements/entry_sequence.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

namespace {
// The standard deviation of a variance sum: values not greater than 0 (NaN included) count
// as 0 before the root is taken.
double Deviation(double cofactorSum, double m0) {
    return std::sqrt(cofactorSum > 0 ? cofactorSum : 0.0) * m0;
}
}  // namespace

long CVdXmlNode::InsertQlty(VDXML_COORD_TYPE dimension, const VDXML_QLTY& q) const {
    if (dimension == VDXML_COORD_TYPE_NONE) return E_FAIL;
    const bool position = dimension != VDXML_COORD_TYPE_1D;
    const bool height = dimension != VDXML_COORD_TYPE_2D;
    const bool both = dimension == VDXML_COORD_TYPE_3D;
    const VDXML_ATTRIBUTES* computed = &m_listAttrValueSourceComputed;
    return EntrySequence(*this)
        .Number(true, VdXml::tagQltyM0, q.M0, 5)
        .Number(position, VdXml::tagQltyQxx, q.Q11, 8)
        .Number(position, VdXml::tagQltyQxy, q.Q12, 8)
        .Number(both, VdXml::tagQltyQxz, q.Q13, 8)
        .Number(position, VdXml::tagQltyQyy, q.Q22, 8)
        .Number(both, VdXml::tagQltyQyz, q.Q23, 8)
        .Number(height, VdXml::tagQltyQzz, q.Q33, 8)
        .Number(position, VdXml::tagQltySdX, Deviation(q.Q11, q.M0), 5, computed)
        .Number(position, VdXml::tagQltySdY, Deviation(q.Q22, q.M0), 5, computed)
        .Number(height, VdXml::tagQltySdZ, Deviation(q.Q33, q.M0), 5, computed)
        .Status();
}

long CVdXmlNode::InsertCQ(VDXML_COORD_TYPE dimension, const VDXML_QLTY& q) const {
    if (dimension == VDXML_COORD_TYPE_NONE) return E_FAIL;
    const VDXML_ATTRIBUTES* computed = &m_listAttrValueSourceComputed;
    return EntrySequence(*this)
        .Number(dimension != VDXML_COORD_TYPE_1D, VdXml::tagCqPos, Deviation(q.Q11 + q.Q22, q.M0),
                5, computed)
        .Number(dimension != VDXML_COORD_TYPE_2D, VdXml::tagCqHgt, Deviation(q.Q33, q.M0), 5,
                computed)
        .Number(dimension == VDXML_COORD_TYPE_3D, VdXml::tagCqPosHgt,
                Deviation(q.Q11 + q.Q22 + q.Q33, q.M0), 5, computed)
        .Status();
}
