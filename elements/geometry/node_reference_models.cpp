// Reference models written into a node: ellipsoid, map projection, geoid model and
// country-specific model. Each writes its item name when it has one and then its own values;
// the status starts as E_FAIL, so a model that writes nothing at all is refused.
#include "trf_writing.h"
#include "vdxml/trf_records.h"
#include "vdxml/trf_texts.h"

using vdxml_elements::EntrySequence;
using vdxml_trf::InsertNamedItem;
using vdxml_trf::IsNamed;

namespace {
// The common start of every model: E_FAIL, then the item name when the model has a name.
EntrySequence StartModel(const CVdXmlNode& node, const VDXML_ITEMNAME& item) {
    EntrySequence entries(node, E_FAIL);
    entries.Then(IsNamed(item), [&] { return InsertNamedItem(node, item); });
    return entries;
}
}  // namespace

long CVdXmlNode::InsertEllipsoid(const VDXML_ELLIPSOID& ellipsoid) const {
    // The shape needs both values; the file holds the inverse flattening.
    const bool shape = ellipsoid.SemiMajorAxis > 0 && ellipsoid.Flattening > 0;
    const double inverseFlattening = shape ? 1.0 / ellipsoid.Flattening : 0.0;
    return StartModel(*this, ellipsoid)
        .Number(shape, VdXml::tagAell, ellipsoid.SemiMajorAxis, 5)
        .Number(shape, VdXml::tagInvFell, inverseFlattening, 11)
        .Status();
}

long CVdXmlNode::InsertProjection(const VDXML_PROJECTION& projection) const {
    return StartModel(*this, projection)
        .Enumerated(VdXml::tagType, projection.Type, VdXml::enumProjectionType)
        .Status();
}

long CVdXmlNode::InsertGeoidModel(const VDXML_GEOIDMODEL& geoid) const {
    return StartModel(*this, geoid)
        .Enumerated(VdXml::tagType, geoid.Type, VdXml::enumGeoidModelType)
        .Status();
}

long CVdXmlNode::InsertCscsModel(const VDXML_CSCSMODEL& cscs) const {
    return StartModel(*this, cscs)
        .Enumerated(VdXml::tagMethod, cscs.Method, VdXml::enumCscsMethod)
        .Enumerated(VdXml::tagInterpolation, cscs.Interpolation, VdXml::enumCscsInterpolation)
        .Status();
}
