// The "TpsObsSet" element: one total-station measurement with its reflector, time, face,
// observed values and their accuracy.
#include "vdxml/tps_obsset.h"

#include "elements/entry_sequence.h"
#include "elements/read_rows.h"
#include "vdxml/tps_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

long CVdXmlTpsObsSet::Create(const CVdXmlNode& parent, const VDXML_TPS_OBSSET& obsSet) {
    // Refused before the child-node table is touched, so GetNode still answers for the
    // previous set.
    const std::uint8_t flags = obsSet.Flags;
    if (!(flags & VDXML_TPS_OBSSET::maskObservations)) return E_FAIL;

    long hr = CreateElement(parent, VdXml::tagTpsObsSet);
    if (FAILED(hr)) return hr;
    const VDXML_TPS_REFLECTOR& reflector = obsSet.Reflector;
    const bool hasReflector = (reflector.Flags & VDXML_TPS_REFLECTOR::flagReflector) &&
                              reflector.Type != VDXML_TPS_REFLECTOR_NONE;
    return EntrySequence(*this, hr)
        .Then(hasReflector, [&] { return InsertReflector(reflector); })
        .Then(obsSet.Time > 0.0,
              [&] { return InsertEntryDateTimeMjd(VdXml::tagTime, obsSet.Time); })
        .Enumerated(VdXml::tagFaceType, obsSet.FaceType, VdXml::enumTpsFace)
        .Number(flags & VDXML_TPS_OBSSET::flagHz, VdXml::tagHz, obsSet.Hz, 15)
        .Number(flags & VDXML_TPS_OBSSET::flagZen, VdXml::tagZenith, obsSet.Zen, 15)
        .Number(flags & VDXML_TPS_OBSSET::flagDistS, VdXml::tagDistanceSlope, obsSet.DistS, 5)
        .Number(flags & VDXML_TPS_OBSSET::flagDH, VdXml::tagCrdDH, obsSet.DH, 5)
        .Number(flags & VDXML_TPS_OBSSET::flagDistHz, VdXml::tagDistanceHz, obsSet.DistHz, 5)
        .Then(obsSet.Accuracy.Flags != 0, [&] { return InsertAccuracy(obsSet.Accuracy); })
        .Status();
}

long CVdXmlTpsObsSet::InsertReflector(const VDXML_TPS_REFLECTOR& reflector) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_REFLECTOR, VdXml::tagReflector, node);
    if (FAILED(hr)) return hr;
    return EntrySequence(*node, hr)
        .Then(true,
              [&] {
                  return node->InsertEnumerated(VdXml::tagType, reflector.Type,
                                                VdXml::enumTpsReflectorType);
              })
        .Number(true, VdXml::tagHgt, reflector.Hgt, 5)
        .Status();
}

long CVdXmlTpsObsSet::InsertAccuracy(const VDXML_TPS_OBS_ACCURACY& accuracy) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_ACCURACY, VdXml::tagAccuracy, node);
    if (FAILED(hr)) return hr;
    using A = VDXML_TPS_OBS_ACCURACY;
    const std::uint8_t flags = accuracy.Flags;
    return EntrySequence(*node, hr)
        .Number(flags & A::flagAbsHz, VdXml::tagAbsHz, accuracy.AbsHz, 15)
        .Number(flags & A::flagRelHz, VdXml::tagRelHz, accuracy.RelHz, 15)
        .Number(flags & A::flagAbsVAngle, VdXml::tagAbsVAngle, accuracy.AbsVAngle, 15)
        .Number(flags & A::flagRelVAngle, VdXml::tagRelVAngle, accuracy.RelVAngle, 15)
        .Number(flags & A::flagAbsDistanceSlope, VdXml::tagAbsDistanceSlope,
                accuracy.AbsDistanceSlope, 5)
        .Number(flags & A::flagRelDistanceSlope, VdXml::tagRelDistanceSlope,
                accuracy.RelDistanceSlope, 5)
        .Number(flags & A::flagAbsDistanceHorizontal, VdXml::tagAbsDistanceHorizontal,
                accuracy.AbsDistanceHorizontal, 5)
        .Number(flags & A::flagRelDistanceHorizontal, VdXml::tagRelDistanceHorizontal,
                accuracy.RelDistanceHorizontal, 5)
        .Status();
}

long CVdXmlTpsObsSet::Read(VDXML_ELEMENT& element, VDXML_TPS_OBSSET& obsSet) {
    return vdxml_elements::ReadByRows(element, obsSet, &ReadValues);
}
