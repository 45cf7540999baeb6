// A survey holding every element kind that reading reports, written through the library's
// writers, with the records it is written from.
#pragma once

#include "vdxml/coordinate_system.h"
#include "vdxml/document.h"
#include "vdxml/gps_records.h"
#include "vdxml/thematic_records.h"
#include "vdxml/tps_records.h"
#include "vdxml/trf_records.h"

namespace vdxml_test {

/// Pre-order indices of the sample's elements once loaded into a record tree.
enum SampleNode : int {
    kRoot,
    kCoordinateSystem,
    kTrfResidual,
    kResidualSourceCoord,  ///< the control point's "Crd" inside the residual
    kResidualDCoord,       ///< the residual's own "DCrd"
    kProject,
    kPoint1,
    kCoord,
    kDCoord,
    kSetup,
    kSetupDetails,
    kObsSet,
    kPoint2,
    kBaseline,
    kBaselineDCoord,
    kReference,
    kRover,
    kCode,
    kAttribute,
    kSampleNodeCount
};

VDXML_PROJECT SampleProject();
VDXML_POINT SamplePoint(const wchar_t* name);
VDXML_COORD SampleGridCoord();
VDXML_DCOORD SampleDifference();
VDXML_TPS_SETUP SampleStationSetup();
VDXML_TPS_OBSSET SampleObsSet();
VDXML_COORDINATESYSTEM SampleCoordinateSystem();
VDXML_GPSBASELINE SampleBaseline();
VDXML_GPS_REFERENCE SampleReference();
VDXML_GPS_ROVER SampleRover();
VDXML_THEMATICAL_CODE SampleCode();
VDXML_THEMATICAL_ATTRIBUTE SampleAttribute();

/// Writes below the document's "Application", depth-first so that both back ends take it:
///   CoordinateSystem { Transformation { TrfResiduals { TrfResidual { Source/Crd, DCrd } } } }
///   Project { Pnt P1 { Crd, DCrd }, TpsSetup { TpsSetupDetails, TpsObsSet },
///             Pnt P2 { GpsBl { DCrd }, Ref, Rov, ThematicalCode, ThematicalAttr } }
/// Fails the calling test at the first write refused.
void WriteSampleSurvey(CVdXmlDocument& doc);

}  // namespace vdxml_test
