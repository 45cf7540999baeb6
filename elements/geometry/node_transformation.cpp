// Transformations written into a node: model and height mode, the source and target systems,
// the steps in order and the residuals at the control points; and whole coordinate-system
// elements inserted below a node.
#include "trf_writing.h"
#include "vdxml/coordinate_system.h"
#include "vdxml/trf_residual.h"
#include "vdxml/trf_texts.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::WriteSubElement;
using vdxml_trf::InsertNamedItem;
using vdxml_trf::IsNamed;
using vdxml_trf::WriteModelElement;

namespace {

// The body of "SourceSystem" or "TargetSystem": its item name, then the ellipsoid and the
// projection when they have names.
long InsertTrfSystem(const CVdXmlNode& node, const VDXML_TRFSYSTEM& system) {
    return EntrySequence(node)
        .Then(true, [&] { return InsertNamedItem(node, system); })
        .Then(IsNamed(system.Ellipsoid),
              [&] {
                  return WriteModelElement(node, node, VdXml::tagEllipsoid, system.Ellipsoid,
                                           &CVdXmlNode::InsertEllipsoid);
              })
        .Then(IsNamed(system.Projection),
              [&] {
                  return WriteModelElement(node, node, VdXml::tagProjection, system.Projection,
                                           &CVdXmlNode::InsertProjection);
              })
        .Status();
}

// The body of "TrfResiduals": the distribution, then one fresh residual wrapper per residual.
// The first residual that fails ends the list; the ones after it are not written.
long InsertResiduals(const CVdXmlNode& node, const VDXML_TRANSFORMATION& t) {
    EntrySequence entries(node);
    entries.Enumerated(VdXml::tagResidualDistribution, t.ResidualDistribution,
                       VdXml::enumResidualDistribution);
    for (const VDXML_TRFRESIDUAL& residual : t.Residuals) {
        entries.Then(true, [&] {
            CVdXmlTrfResidual wrapper;
            return wrapper.Create(node, residual);
        });
    }
    return entries.Status();
}

}  // namespace

long CVdXmlNode::InsertTransformation(const VDXML_TRANSFORMATION& t) const {
    if (t.Type == VDXML_TRANSFORMATION_NONE) return E_FAIL;
    EntrySequence entries(*this);
    entries.Then(IsNamed(t), [&] { return InsertNamedItem(*this, t); })
        .Enumerated(VdXml::tagType, t.Type, VdXml::enumTransformationType)
        .Enumerated(VdXml::tagHeightMode, t.HeightMode, VdXml::enumHeightMode)
        .Then(IsNamed(t.SourceSystem),
              [&] {
                  return WriteSubElement(*this, *this, VdXml::tagSourceSystem,
                                         [&](const CVdXmlNode& node) {
                                             return InsertTrfSystem(node, t.SourceSystem);
                                         });
              })
        .Then(IsNamed(t.TargetSystem), [&] {
            return WriteSubElement(
                *this, *this, VdXml::tagTargetSystem,
                [&](const CVdXmlNode& node) { return InsertTrfSystem(node, t.TargetSystem); });
        });
    for (const VDXML_TRFSTEP& step : t.Steps) {
        entries.Then(true, [&] {
            return WriteSubElement(*this, *this, VdXml::tagTrfStep, [&](const CVdXmlNode& node) {
                return node.InsertTrfStep(step);
            });
        });
    }
    // "TrfResiduals" is written also when there are no residuals.
    entries.Then(true, [&] {
        return WriteSubElement(*this, *this, VdXml::tagTrfResiduals,
                               [&](const CVdXmlNode& node) { return InsertResiduals(node, t); });
    });
    return entries.Failed() ? entries.Status() : S_OK;
}

long CVdXmlNode::InsertCoordinateSystem(const VDXML_COORDINATESYSTEM& system,
                                        CVdXmlCoordinateSystem& out) const {
    return out.Create(*this, system);
}
