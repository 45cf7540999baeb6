// The rows of the element kinds that reading knows.
#include "reading/element_kinds.h"

#include "vdxml/coord.h"
#include "vdxml/coordinate_system.h"
#include "vdxml/dcoord.h"
#include "vdxml/document.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"
#include "vdxml/point.h"
#include "vdxml/project.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"
#include "vdxml/tps_obsset.h"
#include "vdxml/tps_setup.h"
#include "vdxml/tps_setup_details.h"
#include "vdxml/trf_residual.h"
#include "vdxml/vocabulary.h"

namespace vdxml_reading {

namespace {
using N = IVdXmlNotifications;

// Built on first use, after the vocabulary's names exist.
std::vector<ElementKind> MakeKinds() {
    return {
        KindOf<VDXML_ROOT, &Table::pRoot, &CVdXmlDocument::Read, &N::OnVdXmlBegin,
               &N::OnVdXmlClose>::Row(VdXml::tagCompany),
        KindOf<VDXML_PROJECT, &Table::pProject, &CVdXmlProject::Read, &N::OnProject,
               &N::OnProjectClose>::Row(VdXml::tagProject),
        KindOf<VDXML_POINT, &Table::pPoint, &CVdXmlPoint::Read, &N::OnPoint, &N::OnPointClose>::Row(
            VdXml::tagPoint),
        KindOf<VDXML_COORD, &Table::pCoord, &CVdXmlCoord::Read, &N::OnCoord, &N::OnCoordClose>::Row(
            VdXml::tagCoord),
        KindOf<VDXML_DCOORD, &Table::pDCoord, &CVdXmlDCoord::Read, &N::OnDCoord,
               &N::OnDCoordClose>::Row(VdXml::tagDCoord),
        KindOf<VDXML_TPS_SETUP, &Table::pTpsSetup, &CVdXmlTpsSetup::Read, &N::OnTpsSetup,
               &N::OnTpsSetupClose>::Row(VdXml::tagTpsSetup),
        KindOf<VDXML_TPS_SETUP_DETAILS, &Table::pTpsSetupDetails, &CVdXmlTpsSetupDetails::Read,
               &N::OnTpsSetupDetails, &N::OnTpsSetupDetailsClose>::Row(VdXml::tagTpsSetupDetails),
        KindOf<VDXML_TPS_OBSSET, &Table::pTpsObsSet, &CVdXmlTpsObsSet::Read, &N::OnTpsObsSet,
               &N::OnTpsObsSetClose>::Row(VdXml::tagTpsObsSet),
        KindOf<VDXML_COORDINATESYSTEM, &Table::pCoordinateSystem, &CVdXmlCoordinateSystem::Read,
               &N::OnCoordinateSystem,
               &N::OnCoordinateSystemClose>::Row(VdXml::tagCoordinateSystem),
        KindOf<VDXML_TRFRESIDUAL, &Table::pTrfResidual, &CVdXmlTrfResidual::Read, &N::OnTrfResidual,
               &N::OnTrfResidualClose>::Row(VdXml::tagTrfResidual),
        KindOf<VDXML_GPSBASELINE, &Table::pGpsBaseline, &CVdXmlGpsBaseline::Read, &N::OnGpsBaseline,
               &N::OnGpsBaselineClose>::Row(VdXml::tagGpsBl),
        KindOf<VDXML_GPS_REFERENCE, &Table::pGpsReference, &CVdXmlGpsReference::Read,
               &N::OnGpsReference, &N::OnGpsReferenceClose>::Row(VdXml::tagRef),
        KindOf<VDXML_GPS_ROVER, &Table::pGpsRover, &CVdXmlGpsRover::Read, &N::OnGpsRover,
               &N::OnGpsRoverClose>::Row(VdXml::tagRov),
        KindOf<VDXML_THEMATICAL_CODE, &Table::pThematicalCode, &CVdXmlThematicalCode::Read,
               &N::OnCode, &N::OnCodeClose>::Row(VdXml::tagThematicalCode),
        KindOf<VDXML_THEMATICAL_ATTRIBUTE, &Table::pThematicalAttribute,
               &CVdXmlThematicalAttribute::Read, &N::OnAttribute,
               &N::OnAttributeClose>::Row(VdXml::tagThematicalAttr),
    };
}
}  // namespace

const std::vector<ElementKind>& ElementKinds() {
    static const std::vector<ElementKind> kinds = MakeKinds();
    return kinds;
}

const ElementKind* FindKind(std::int32_t type) {
    for (const ElementKind& kind : ElementKinds())
        if (kind.type == type) return &kind;
    return nullptr;
}

}  // namespace vdxml_reading
