// The "CoordinateSystem" element: name, creation date, transformation and reference models.
#include "vdxml/coordinate_system.h"

#include "trf_writing.h"

using vdxml_elements::EntrySequence;
using vdxml_trf::IsNamed;
using vdxml_trf::WriteModelElement;

long CVdXmlCoordinateSystem::Create(const CVdXmlNode& parent,
                                    const VDXML_COORDINATESYSTEM& system) {
    const long hr = CreateNamedElement(parent, VdXml::tagCoordinateSystem, system);
    if (FAILED(hr)) return hr;
    EntrySequence entries(*this, hr);
    entries
        .Then(system.Created > 0,
              [&] { return InsertEntryDateTimeMjd(VdXml::tagCreated, system.Created); })
        .Then(system.Transformation.Type != VDXML_TRANSFORMATION_NONE,
              [&] { return InsertTransformation(*this, system.Transformation); })
        .Then(IsNamed(system.Ellipsoid), [&] { return InsertEllipsoid(*this, system.Ellipsoid); })
        .Then(IsNamed(system.Projection),
              [&] { return InsertProjection(*this, system.Projection); })
        .Then(IsNamed(system.GeoidModel),
              [&] { return InsertGeoidModel(*this, system.GeoidModel); })
        .Then(IsNamed(system.CscsModel), [&] { return InsertCscsModel(*this, system.CscsModel); });
    return entries.Failed() ? entries.Status() : S_OK;
}

long CVdXmlCoordinateSystem::InsertEllipsoid(const CVdXmlNode& parent,
                                             const VDXML_ELLIPSOID& ellipsoid) const {
    return WriteModelElement(*this, parent, VdXml::tagEllipsoid, ellipsoid,
                             &CVdXmlNode::InsertEllipsoid);
}

long CVdXmlCoordinateSystem::InsertProjection(const CVdXmlNode& parent,
                                              const VDXML_PROJECTION& projection) const {
    return WriteModelElement(*this, parent, VdXml::tagProjection, projection,
                             &CVdXmlNode::InsertProjection);
}

long CVdXmlCoordinateSystem::InsertGeoidModel(const CVdXmlNode& parent,
                                              const VDXML_GEOIDMODEL& geoid) const {
    return WriteModelElement(*this, parent, VdXml::tagGeoidModel, geoid,
                             &CVdXmlNode::InsertGeoidModel);
}

long CVdXmlCoordinateSystem::InsertCscsModel(const CVdXmlNode& parent,
                                             const VDXML_CSCSMODEL& cscs) const {
    return WriteModelElement(*this, parent, VdXml::tagCscsModel, cscs,
                             &CVdXmlNode::InsertCscsModel);
}

long CVdXmlCoordinateSystem::InsertTransformation(
    const CVdXmlNode& parent, const VDXML_TRANSFORMATION& transformation) const {
    return WriteModelElement(*this, parent, VdXml::tagTransformation, transformation,
                             &CVdXmlNode::InsertTransformation);
}

long CVdXmlCoordinateSystem::Read(VDXML_ELEMENT& element, VDXML_COORDINATESYSTEM&) {
    return element.Element() ? S_OK : E_FAIL;
}
