// Standard deviations of polar elements written into a node: absolute ones, and relative ones
// followed by their units.
#include "elements/entry_sequence.h"
#include "vdxml/geometry_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

namespace {

enum class DeviationKind { Angle, Distance, HeightDifference };

// The seven deviations in writing order, with their flag bit.
struct Deviation {
    std::uint8_t flag;
    const _bstr_t& tag;
    double VDXML_SD::*value;
    DeviationKind kind;
};

const Deviation kDeviations[] = {
    {VDXML_SD::flagSdAzi, VdXml::tagSdAzimuth, &VDXML_SD::SdAzi, DeviationKind::Angle},
    {VDXML_SD::flagSdDir, VdXml::tagSdDirection, &VDXML_SD::SdDir, DeviationKind::Angle},
    {VDXML_SD::flagSdZen, VdXml::tagSdZenith, &VDXML_SD::SdZen, DeviationKind::Angle},
    {VDXML_SD::flagSdDistS, VdXml::tagSdDistanceSlope, &VDXML_SD::SdDistS, DeviationKind::Distance},
    {VDXML_SD::flagSdDistHz, VdXml::tagSdDistanceHz, &VDXML_SD::SdDistHz, DeviationKind::Distance},
    {VDXML_SD::flagSdDH, VdXml::tagSdDH, &VDXML_SD::SdDH, DeviationKind::HeightDifference},
    {VDXML_SD::flagSdBl, VdXml::tagSdBaseline, &VDXML_SD::SdBl, DeviationKind::Distance},
};

unsigned Precision(const Deviation& d) { return d.kind == DeviationKind::Angle ? 15 : 5; }

// The unit of a relative deviation: per km for angles (by the document's angular unit), per
// square root of km for height differences (by its linear unit), ppm for distances. Empty
// when the document's unit has no such text.
_bstr_t RelativeUnit(const CVdXmlNode& node, DeviationKind kind) {
    if (kind == DeviationKind::Distance) return VdXml::textPartsPerMillion;
    const _vdxml_ptr<CVdXmlRoot>& root = node.GetRoot();
    if (!root) return _bstr_t();
    if (kind == DeviationKind::Angle)
        return _bstr_t(VdXml::enumRelativeAngularUnit.Find(root->Units.Angular));
    return _bstr_t(VdXml::enumRelativeHeightUnit.Find(root->Units.Linear));
}

}  // namespace

long CVdXmlNode::InsertSdAbs(const VDXML_SD& sd) const {
    EntrySequence entries(*this);
    for (const Deviation& d : kDeviations)
        entries.Number((sd.Flags & d.flag) != 0, d.tag, sd.*d.value, Precision(d));
    return entries.Status();
}

long CVdXmlNode::InsertSdRel(const VDXML_SD& sd) const {
    EntrySequence entries(*this);
    for (const Deviation& d : kDeviations) {
        if ((sd.Flags & d.flag) == 0) continue;
        entries.Number(true, d.tag, sd.*d.value, Precision(d)).Comment(RelativeUnit(*this, d.kind));
    }
    return entries.Status();
}
