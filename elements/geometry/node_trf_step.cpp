// One transformation step written into its "TrfStep" node: name, type and model, then the
// estimated parameters with their quality inside "TrfParameters".
//
// The quality of the step's parameters is not the coordinate quality: its standard deviations
// are the plain square roots of the cofactors, neither multiplied by M0 nor clamped at 0, and
// carry no computed-value mark. A negative cofactor therefore gives NaN, which the number
// entry skips (S_FALSE) while the block goes on. The M0 of the rotation and scale quality is
// the shift's: the step has one unit-weight deviation, estimated with the shifts.
#include <cmath>

#include "trf_writing.h"
#include "vdxml/trf_records.h"
#include "vdxml/trf_texts.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::WriteSubElement;

namespace {

bool HasAll(std::uint8_t flags, std::uint8_t bits) { return (flags & bits) == bits; }

// Decimals of the cofactors and deviations of one parameter quality; they differ by kind.
struct QualityDecimals {
    unsigned planarCofactors;  // Q11, Q22
    unsigned heightCofactor;   // Q33
    unsigned deviations;       // Sd1 to Sd3
};

// "Qlty" below a parameter block: M0, then Q11, Q22 with Sd1, Sd2 when planar, then Q33 with
// Sd3 when height. The deviations are deliberately sqrt(Q) alone: no M0, no clamping.
long InsertParameterQuality(const CVdXmlNode& block, double m0, const VDXML_QLTY& q, bool planar,
                            bool height, const QualityDecimals& decimals) {
    return WriteSubElement(block, block, VdXml::tagQlty, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Number(true, VdXml::tagQltyM0, m0, 5)
            .Number(planar, VdXml::tagQltyQxx, q.Q11, decimals.planarCofactors)
            .Number(planar, VdXml::tagQltyQyy, q.Q22, decimals.planarCofactors)
            .Number(planar, VdXml::tagQltySdX, std::sqrt(q.Q11), decimals.deviations)
            .Number(planar, VdXml::tagQltySdY, std::sqrt(q.Q22), decimals.deviations)
            .Number(height, VdXml::tagQltyQzz, q.Q33, decimals.heightCofactor)
            .Number(height, VdXml::tagQltySdZ, std::sqrt(q.Q33), decimals.deviations)
            .Status();
    });
}

// Shifts and scales share their layout: X and Y together, Z with them, and a quality opened by
// the Q11 and Q22 bits whose Q33 follows its own bit.
struct LinearVector {
    const _bstr_t& tag;
    const _bstr_t& x;
    const _bstr_t& y;
    const _bstr_t& z;
    unsigned decimals;
    QualityDecimals quality;
};

long InsertLinearVector(const CVdXmlNode& parameters, const LinearVector& layout,
                        const VDXML_TRFVECTOR& v, double m0) {
    using V = VDXML_TRFVECTOR;
    return WriteSubElement(parameters, parameters, layout.tag, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Number(true, layout.x, v.X, layout.decimals)
            .Number(true, layout.y, v.Y, layout.decimals)
            .Number(HasAll(v.Flags, V::flagZ), layout.z, v.Z, layout.decimals)
            .Then(HasAll(v.Flags, V::flagQ11 | V::flagQ22),
                  [&] {
                      return InsertParameterQuality(node, m0, v.Qlty, true,
                                                    HasAll(v.Flags, V::flagQ33), layout.quality);
                  })
            .Status();
    });
}

// Rotations: the one about Z opens the block; those about X and Y need all three bits. The
// quality is opened by the Z cofactor bit alone; Q11 and Q22 need all three cofactor bits.
long InsertRotation(const CVdXmlNode& parameters, const VDXML_TRFVECTOR& r, double m0) {
    using V = VDXML_TRFVECTOR;
    const bool xy = HasAll(r.Flags, V::flagX | V::flagY | V::flagZ);
    const bool planarQuality = HasAll(r.Flags, V::flagRotQ11 | V::flagRotQ22 | V::flagRotQ33);
    return WriteSubElement(parameters, parameters, VdXml::tagTrfRot, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Number(xy, VdXml::tagTrfRotAxisX, r.X, 15)
            .Number(xy, VdXml::tagTrfRotAxisY, r.Y, 15)
            .Number(true, VdXml::tagTrfRotAxisZ, r.Z, 15)
            .Then(HasAll(r.Flags, V::flagRotQ33),
                  [&] {
                      return InsertParameterQuality(node, m0, r.Qlty, planarQuality, true,
                                                    {15, 15, 15});
                  })
            .Status();
    });
}

long InsertRotOrigin(const CVdXmlNode& parameters, const VDXML_TRFROTORIGIN& o) {
    return WriteSubElement(parameters, parameters, VdXml::tagTrfRotOrigin,
                           [&](const CVdXmlNode& node) {
                               return EntrySequence(node)
                                   .Number(true, VdXml::tagTrfRotOriginX0, o.X0, 5)
                                   .Number(true, VdXml::tagTrfRotOriginY0, o.Y0, 5)
                                   .Number(HasAll(o.Flags, VDXML_TRFROTORIGIN::flagZ0),
                                           VdXml::tagTrfRotOriginZ0, o.Z0, 5)
                                   .Status();
                           });
}

long InsertHeight(const CVdXmlNode& parameters, const VDXML_TRFHEIGHT& h) {
    using H = VDXML_TRFHEIGHT;
    const bool ab = (h.Flags & H::maskParametersAB) != 0;  // either bit gives A and B
    return WriteSubElement(parameters, parameters, VdXml::tagTrfHgt, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Number(ab, VdXml::tagTrfHgtParameterA, h.ParameterA, 8)
            .Number(ab, VdXml::tagTrfHgtParameterB, h.ParameterB, 8)
            .Number(HasAll(h.Flags, H::flagParameterC), VdXml::tagTrfHgtParameterC, h.ParameterC, 8)
            .Number(HasAll(h.Flags, H::flagInclinationXAxis), VdXml::tagTrfHgtInclXAxisDirection,
                    h.InclinationXAxis, 8)
            .Number(HasAll(h.Flags, H::flagInclinationYAxis), VdXml::tagTrfHgtInclYAxisDirection,
                    h.InclinationYAxis, 8)
            .Number(HasAll(h.Flags, H::flagMeanAccuracy), VdXml::tagTrfHgtMeanAccuracy,
                    h.MeanAccuracy, 8)
            .Status();
    });
}

// A distortion level with its text, unless it is not given (-1).
long InsertDistortion(const CVdXmlNode& node, const _bstr_t& tag, std::int32_t level) {
    if (level == VDXML_TRF_DISTORTION_UNSET) return S_OK;
    return node.InsertEnumerated(tag, static_cast<std::uint32_t>(level), VdXml::enumTrfDistortion);
}

long InsertCollocation(const CVdXmlNode& parameters, const VDXML_TRFCOLLOCATION& c) {
    return WriteSubElement(
        parameters, parameters, VdXml::tagTrfCollocation, [&](const CVdXmlNode& node) {
            return EntrySequence(node)
                .Number(true, VdXml::tagTrfCollocationElem11, c.Element11, 8)
                .Number(true, VdXml::tagTrfCollocationElem12, c.Element12, 8)
                .Number(true, VdXml::tagTrfCollocationElem21, c.Element21, 8)
                .Number(true, VdXml::tagTrfCollocationElem22, c.Element22, 8)
                .Number(HasAll(c.Flags, VDXML_TRFCOLLOCATION::flagDistortionRightAngle),
                        VdXml::tagTrfDistortionRightAngle, c.DistortionRightAngle, 15)
                .Then(true,
                      [&] {
                          return InsertDistortion(node, VdXml::tagTrfDistortion2D, c.Distortion2D);
                      })
                .Then(true,
                      [&] {
                          return InsertDistortion(node, VdXml::tagTrfDistortion1D, c.Distortion1D);
                      })
                .Status();
        });
}

// Two values written only as a pair: the stochastics and the mean accuracy.
long InsertPair(const CVdXmlNode& parameters, const _bstr_t& tag, const _bstr_t& firstTag,
                double first, const _bstr_t& secondTag, double second) {
    return WriteSubElement(parameters, parameters, tag, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Number(true, firstTag, first, 8)
            .Number(true, secondTag, second, 8)
            .Status();
    });
}

long InsertParameters(const CVdXmlNode& parameters, const VDXML_TRFSTEP& step) {
    using V = VDXML_TRFVECTOR;
    // The rotation and scale quality repeat the shift's M0; their own Qlty.M0 is never written.
    const double m0 = step.Shift.Qlty.M0;
    // Note the scale's Q33 with 5 decimals where the shift's has 8.
    const LinearVector shift{
        VdXml::tagTrfShift, VdXml::tagTrfShiftX, VdXml::tagTrfShiftY, VdXml::tagTrfShiftZ, 5,
        {8, 8, 5}};
    const LinearVector scale{
        VdXml::tagTrfScale, VdXml::tagTrfScaleX, VdXml::tagTrfScaleY, VdXml::tagTrfScaleZ, 8,
        {8, 5, 5}};
    const VDXML_TRFSTOCHASTICS& st = step.Stochastics;
    const VDXML_TRFMEANACCURACY& ma = step.MeanAccuracy;
    using O = VDXML_TRFROTORIGIN;
    using S = VDXML_TRFSTOCHASTICS;
    using M = VDXML_TRFMEANACCURACY;
    return EntrySequence(parameters)
        .Then(HasAll(step.RotOrigin.Flags, O::flagX0 | O::flagY0),
              [&] { return InsertRotOrigin(parameters, step.RotOrigin); })
        .Then(HasAll(step.Shift.Flags, V::flagX | V::flagY),
              [&] { return InsertLinearVector(parameters, shift, step.Shift, m0); })
        .Then(HasAll(step.Rotation.Flags, V::flagZ),
              [&] { return InsertRotation(parameters, step.Rotation, m0); })
        .Then(HasAll(step.Scale.Flags, V::flagX | V::flagY),
              [&] { return InsertLinearVector(parameters, scale, step.Scale, m0); })
        .Then((step.Height.Flags & VDXML_TRFHEIGHT::maskParameters) != 0,
              [&] { return InsertHeight(parameters, step.Height); })
        .Then(HasAll(st.Flags, S::flagApriori | S::flagAposteriori),
              [&] {
                  return InsertPair(parameters, VdXml::tagTrfStochastics, VdXml::tagApriori,
                                    st.Apriori, VdXml::tagAposteriori, st.Aposteriori);
              })
        .Then(HasAll(step.Collocation.Flags, VDXML_TRFCOLLOCATION::maskMatrix),
              [&] { return InsertCollocation(parameters, step.Collocation); })
        .Then(HasAll(ma.Flags, M::flagMeanX | M::flagMeanY),
              [&] {
                  return InsertPair(parameters, VdXml::tagTrfMeanAccuracy,
                                    VdXml::tagTrfMeanAccuracyX, ma.MeanX,
                                    VdXml::tagTrfMeanAccuracyY, ma.MeanY);
              })
        .Status();
}

}  // namespace

long CVdXmlNode::InsertTrfStep(const VDXML_TRFSTEP& step) const {
    EntrySequence entries(*this);
    entries.Then(vdxml_trf::IsNamed(step), [&] { return vdxml_trf::InsertNamedItem(*this, step); })
        .Enumerated(VdXml::tagTrfStepType, step.StepType, VdXml::enumTrfStepType)
        // Only -1 means "no model": 0 is written and fails for want of a text.
        .Then(step.Model != VDXML_TRF_MODEL_NONE,
              [&] {
                  return InsertEnumerated(VdXml::tagTrfModel,
                                          static_cast<std::uint32_t>(step.Model),
                                          VdXml::enumTrfModel);
              })
        .Then(true, [&] {
            return WriteSubElement(
                *this, *this, VdXml::tagTrfParameters,
                [&](const CVdXmlNode& node) { return InsertParameters(node, step); });
        });
    return entries.Failed() ? entries.Status() : S_OK;
}
