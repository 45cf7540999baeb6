// The coordinate-difference element "DCrd": WGS 84 and local difference blocks and the
// centring accuracies.
#include "vdxml/dcoord.h"

#include "elements/entry_sequence.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::QualityDimension;
using vdxml_elements::WriteSubElement;

namespace {

bool HasValues(const VDXML_DCARTESIAN& b) { return (b.Flags & VDXML_DCARTESIAN::flagDXyz) != 0; }
// Quality, deviations and the 2D and 3D distances alone do not open a block.
template <class Block>
bool HasValues(const Block& b) {
    return (b.Flags & VDXML_DIFF_FLAGS::maskBlock) != 0;
}

}  // namespace

long CVdXmlDCoord::Create(const CVdXmlNode& parent, const VDXML_DCOORD& d) {
    const long hr = CreateElement(parent, VdXml::tagDCoord);
    if (FAILED(hr)) return hr;

    const bool wgs84 = HasValues(d.Wgs84DXyz) || HasValues(d.Wgs84DLlh);
    const bool local = HasValues(d.LocalDXyz) || HasValues(d.LocalDLlh) || HasValues(d.LocalDEnh);
    CVdXmlNode* node = nullptr;

    EntrySequence entries(*this);
    entries
        .Then(wgs84, [&] { return CreateTableElement(*this, NODE_WGS84, VdXml::tagWGS84, node); })
        .Then(wgs84 && HasValues(d.Wgs84DXyz), [&] { return InsertDCartesian(*node, d.Wgs84DXyz); })
        .Then(wgs84 && HasValues(d.Wgs84DLlh), [&] { return InsertDGeodetic(*node, d.Wgs84DLlh); })
        .Then(local, [&] { return CreateTableElement(*this, NODE_LOCAL, VdXml::tagLocal, node); })
        .Then(local && HasValues(d.LocalDXyz), [&] { return InsertDCartesian(*node, d.LocalDXyz); })
        .Then(local && HasValues(d.LocalDLlh), [&] { return InsertDGeodetic(*node, d.LocalDLlh); })
        .Then(local && HasValues(d.LocalDEnh), [&] { return InsertDGrid(*node, d.LocalDEnh); })
        .Number((d.Flags & VDXML_DCOORD::flagACPos) != 0, VdXml::tagDCrdAccuracyCentringPos,
                d.ACPos, 5)
        .Number((d.Flags & VDXML_DCOORD::flagACHgt) != 0, VdXml::tagDCrdAccuracyCentringHgt,
                d.ACHgt, 5);
    return entries.Failed() ? entries.Status() : S_OK;
}

long CVdXmlDCoord::Read(VDXML_ELEMENT& element, VDXML_DCOORD&) {
    return element.Element() ? S_OK : E_FAIL;
}

// The sub-elements of a geodetic or grid difference after its values: quality (of the
// dimension its flags give), absolute and relative deviations, each only while nothing failed.
template <class Block>
long CVdXmlDCoord::InsertQualityAndDeviations(const CVdXmlNode& node, const Block& b,
                                              long hr) const {
    if (FAILED(hr)) return hr;
    const std::uint16_t f = b.Flags;
    return EntrySequence(node, hr)
        .Then((f & VDXML_DIFF_FLAGS::flagQlty) != 0,
              [&] {
                  return InsertQlty(node,
                                    QualityDimension((f & VDXML_DIFF_FLAGS::flagPosition) != 0,
                                                     (f & VDXML_DIFF_FLAGS::flagDH) != 0),
                                    b.Qlty);
              })
        .Then((f & VDXML_DIFF_FLAGS::flagSdAbs) != 0, [&] { return InsertSdAbs(node, b.SdAbs); })
        .Then((f & VDXML_DIFF_FLAGS::flagSdRel) != 0, [&] { return InsertSdRel(node, b.SdRel); })
        .Status();
}

long CVdXmlDCoord::InsertDCartesian(const CVdXmlNode& parent, const VDXML_DCARTESIAN& d) const {
    return WriteSubElement(*this, parent, VdXml::tagDXYZ, [&](const CVdXmlNode& node) {
        const long hr = node.InsertDCartesian(d);
        if (FAILED(hr) || (d.Flags & VDXML_DCARTESIAN::flagQlty) == 0) return hr;
        return InsertQlty(node, VDXML_COORD_TYPE_3D, d.Qlty);
    });
}

long CVdXmlDCoord::InsertDGeodetic(const CVdXmlNode& parent, const VDXML_DGEODETIC& d) const {
    return WriteSubElement(*this, parent, VdXml::tagDLLH, [&](const CVdXmlNode& node) {
        return InsertQualityAndDeviations(node, d, node.InsertDGeodetic(d));
    });
}

long CVdXmlDCoord::InsertDGrid(const CVdXmlNode& parent, const VDXML_DGRID& d) const {
    return WriteSubElement(*this, parent, VdXml::tagDENH, [&](const CVdXmlNode& node) {
        return InsertQualityAndDeviations(node, d, node.InsertDGrid(d));
    });
}

long CVdXmlDCoord::InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                              const VDXML_QLTY& qlty) const {
    return WriteSubElement(*this, parent, VdXml::tagQlty, [&](const CVdXmlNode& node) {
        return node.InsertQlty(dimension, qlty);
    });
}

long CVdXmlDCoord::InsertSdAbs(const CVdXmlNode& parent, const VDXML_SD& sd) const {
    return WriteSubElement(*this, parent, VdXml::tagSdAbs,
                           [&](const CVdXmlNode& node) { return node.InsertSdAbs(sd); });
}

long CVdXmlDCoord::InsertSdRel(const CVdXmlNode& parent, const VDXML_SD& sd) const {
    return WriteSubElement(*this, parent, VdXml::tagSdRel,
                           [&](const CVdXmlNode& node) { return node.InsertSdRel(sd); });
}
