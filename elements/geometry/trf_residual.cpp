// The "TrfResidual" element: one control point of a transformation with its coordinates in
// the source and target systems and the residual left there.
#include "vdxml/trf_residual.h"

#include "elements/entry_sequence.h"
#include "vdxml/geometry_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::QualityDimension;
using vdxml_elements::WriteSubElement;

namespace {
bool HasCoordinates(const VDXML_CARTESIAN& xyz) {
    return (xyz.Flags & VDXML_CARTESIAN::flagXyz) != 0;
}
bool HasCoordinates(const VDXML_GRID& enh) { return (enh.Flags & VDXML_GRID::maskValues) != 0; }

// Grid blocks and grid residuals share their bits: position 0x01, heights 0x02 and 0x04.
VDXML_COORD::enmType GridQualityDimension(std::uint8_t flags) {
    return QualityDimension((flags & VDXML_GRID::flagEN) != 0,
                            (flags & (VDXML_GRID::flagHE | VDXML_GRID::flagHO)) != 0);
}
}  // namespace

template <class Values>
long CVdXmlTrfResidual::InsertBlock(const CVdXmlNode& parent, const _bstr_t& tag, Values&& values,
                                    bool withQuality, VDXML_COORD::enmType dimension,
                                    const VDXML_QLTY& qlty) const {
    return WriteSubElement(*this, parent, tag, [&](const CVdXmlNode& node) {
        const long hr = values(node);
        if (FAILED(hr) || !withQuality) return hr;
        return InsertQlty(node, dimension, qlty);
    });
}

long CVdXmlTrfResidual::Create(const CVdXmlNode& parent, const VDXML_TRFRESIDUAL& r) {
    if (r.Type < VDXML_COORD_TYPE_1D || r.Type > VDXML_COORD_TYPE_3D) return E_FAIL;
    const long hr = CreateElement(parent, VdXml::tagTrfResidual);
    if (FAILED(hr)) return hr;

    using R = VDXML_TRFRESIDUAL;
    // A name without coordinates is not worth a "Source" or "Target" of its own.
    const bool source = (r.Flags & R::flagSourceName) != 0 &&
                        (HasCoordinates(r.SourceXyz) || HasCoordinates(r.SourceEnh));
    const bool target = (r.Flags & R::flagTargetName) != 0 &&
                        (HasCoordinates(r.TargetXyz) || HasCoordinates(r.TargetEnh));
    return EntrySequence(*this)
        .Enumerated(VdXml::tagType, static_cast<std::uint32_t>(r.Type), VdXml::enumCoordType)
        .Then(source,
              [&] {
                  return InsertControlPoint(NODE_SOURCE, NODE_SOURCE_CRD, VdXml::tagSource,
                                            r.SourceName, r.SourceXyz, r.SourceEnh);
              })
        .Then(target,
              [&] {
                  return InsertControlPoint(NODE_TARGET, NODE_TARGET_CRD, VdXml::tagTarget,
                                            r.TargetName, r.TargetXyz, r.TargetEnh);
              })
        .Then((r.Flags & R::maskResidual) != 0, [&] { return InsertResidual(r); })
        .Status();
}

long CVdXmlTrfResidual::InsertControlPoint(enmNode system, enmNode crd, const _bstr_t& tag,
                                           const _bstr_t& name, const VDXML_CARTESIAN& xyz,
                                           const VDXML_GRID& enh) {
    CVdXmlNode* systemNode = nullptr;
    CVdXmlNode* crdNode = nullptr;
    return EntrySequence(*this)
        .Then(true, [&] { return CreateTableElement(*this, system, tag, systemNode); })
        .Then(true, [&] { return systemNode->InsertEntry(VdXml::tagName, name); })
        .Then(true, [&] { return CreateTableElement(*systemNode, crd, VdXml::tagCoord, crdNode); })
        .Then(HasCoordinates(xyz), [&] { return InsertCartesian(*crdNode, xyz); })
        .Then(HasCoordinates(enh), [&] { return InsertGrid(*crdNode, enh); })
        .Status();
}

long CVdXmlTrfResidual::InsertResidual(const VDXML_TRFRESIDUAL& r) {
    using R = VDXML_TRFRESIDUAL;
    CVdXmlNode* node = nullptr;
    return EntrySequence(*this)
        .Then(true, [&] { return CreateTableElement(*this, NODE_DCRD, VdXml::tagDCoord, node); })
        .Then((r.Flags & R::flagResidualXyz) != 0,
              [&] { return InsertResidualCartesian(*node, r.ResidualXyz); })
        .Then((r.Flags & R::flagResidualEnh) != 0,
              [&] { return InsertResidualGrid(*node, r.ResidualEnh); })
        .Then((r.Flags & R::flagDDistance) != 0,
              [&] { return node->InsertEntry(VdXml::tagDDistance, r.DDistance, 5); })
        .Status();
}

long CVdXmlTrfResidual::InsertCartesian(const CVdXmlNode& parent,
                                        const VDXML_CARTESIAN& xyz) const {
    return InsertBlock(
        parent, VdXml::tagXYZ, [&](const CVdXmlNode& node) { return node.InsertCartesian(xyz); },
        (xyz.Flags & VDXML_CARTESIAN::flagQlty) != 0, VDXML_COORD_TYPE_3D, xyz.Qlty);
}

long CVdXmlTrfResidual::InsertGrid(const CVdXmlNode& parent, const VDXML_GRID& enh) const {
    return InsertBlock(
        parent, VdXml::tagENH, [&](const CVdXmlNode& node) { return node.InsertGrid(enh); },
        (enh.Flags & VDXML_GRID::flagQlty) != 0, GridQualityDimension(enh.Flags), enh.Qlty);
}

long CVdXmlTrfResidual::InsertResidualCartesian(const CVdXmlNode& parent,
                                                const VDXML_RESIDUAL_CARTESIAN& dxyz) const {
    return InsertBlock(
        parent, VdXml::tagDXYZ,
        [&](const CVdXmlNode& node) { return node.InsertResidualCartesian(dxyz); },
        (dxyz.Flags & VDXML_RESIDUAL_CARTESIAN::flagQlty) != 0, VDXML_COORD_TYPE_3D, dxyz.Qlty);
}

long CVdXmlTrfResidual::InsertResidualGrid(const CVdXmlNode& parent,
                                           const VDXML_RESIDUAL_GRID& denh) const {
    return InsertBlock(
        parent, VdXml::tagDENH,
        [&](const CVdXmlNode& node) { return node.InsertResidualGrid(denh); },
        (denh.Flags & VDXML_RESIDUAL_GRID::flagQlty) != 0, GridQualityDimension(denh.Flags),
        denh.Qlty);
}

long CVdXmlTrfResidual::InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                                   const VDXML_QLTY& qlty) const {
    return WriteSubElement(*this, parent, VdXml::tagQlty, [&](const CVdXmlNode& node) {
        return node.InsertQlty(dimension, qlty);
    });
}

long CVdXmlTrfResidual::Read(VDXML_ELEMENT& element, VDXML_TRFRESIDUAL&) {
    return element.Element() ? S_OK : E_FAIL;
}
