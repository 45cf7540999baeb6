// Coordinate-difference blocks written into a node: Cartesian differences, and geodetic and
// grid differences with their polar elements.
#include <cmath>

#include "elements/entry_sequence.h"
#include "vdxml/geodesy.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

namespace {

// A length or height difference of a polar block: given, derived from the zenith angle, or
// absent.
struct PolarValue {
    bool present = false;
    bool computed = false;
    double value = 0.0;
};

PolarValue Given(double value) { return {true, false, value}; }
PolarValue Computed(double value) { return {true, true, value}; }

// The height difference, slope and horizontal distance of a block. A missing one is derived
// from the zenith angle z (radians, as stored) and one of the other two; without a zenith
// angle nothing is derived.
struct PolarElements {
    PolarValue dh, distS, distHz;

    PolarElements(std::uint16_t flags, double dh_, double zen, double distS_, double distHz_) {
        const bool hasDH = (flags & VDXML_DIFF_FLAGS::flagDH) != 0;
        const bool hasZen = (flags & VDXML_DIFF_FLAGS::flagZen) != 0;
        const bool hasDistS = (flags & VDXML_DIFF_FLAGS::flagDistS) != 0;
        const bool hasDistHz = (flags & VDXML_DIFF_FLAGS::flagDistHz) != 0;

        if (hasDH)
            dh = Given(dh_);
        else if (hasZen && hasDistS)
            dh = Computed(distS_ * std::cos(zen));
        else if (hasZen && hasDistHz)
            dh = Computed(distHz_ / std::tan(zen));

        if (hasDistS)
            distS = Given(distS_);
        else if (hasZen && hasDistHz)
            distS = Computed(distHz_ / std::sin(zen));
        else if (hasZen && hasDH)
            distS = Computed(dh_ / std::cos(zen));

        if (hasDistHz)
            distHz = Given(distHz_);
        else if (hasZen && hasDistS)
            distHz = Computed(distS_ * std::sin(zen));
        else if (hasZen && hasDH)
            distHz = Computed(dh_ * std::tan(zen));
    }
};

// What a geodetic and a grid difference block have in common, in writing order: the position
// pair, the height difference, azimuth, an optional direction (grid only), zenith angle,
// distances and the 2D and 3D distances.
struct DifferenceBlock {
    std::uint16_t flags;
    const _bstr_t& tag1;
    double value1;
    const _bstr_t& tag2;
    double value2;
    unsigned positionPrecision;
    double dh, azi;
    bool hasDir;
    double dir, zen, distS, distHz;
    bool hasD2D;
    double d2d;
    bool hasD3D;
    double d3d;
};

long InsertDifference(const CVdXmlNode& node, const DifferenceBlock& b) {
    const PolarElements polar(b.flags, b.dh, b.zen, b.distS, b.distHz);
    const bool position = (b.flags & VDXML_DIFF_FLAGS::flagPosition) != 0;
    return EntrySequence(node, E_FAIL)
        .Number(position, b.tag1, b.value1, b.positionPrecision)
        .Number(position, b.tag2, b.value2, b.positionPrecision)
        .Derived(polar.dh.present, VdXml::tagCrdDH, polar.dh.value, 5, polar.dh.computed)
        .Number((b.flags & VDXML_DIFF_FLAGS::flagAzi) != 0, VdXml::tagAzimuth,
                VdXml::NormalizeAngle(b.azi), 15)
        .Number(b.hasDir, VdXml::tagDirection, VdXml::NormalizeAngle(b.dir), 15)
        .Number((b.flags & VDXML_DIFF_FLAGS::flagZen) != 0, VdXml::tagZenith,
                VdXml::NormalizeAngle(b.zen), 15)
        .Derived(polar.distS.present, VdXml::tagDistanceSlope, polar.distS.value, 5,
                 polar.distS.computed)
        .Derived(polar.distHz.present, VdXml::tagDistanceHz, polar.distHz.value, 5,
                 polar.distHz.computed)
        .Number(b.hasD2D, VdXml::tagCrdD2D, b.d2d, 5)
        .Number(b.hasD3D, VdXml::tagCrdD3D, b.d3d, 5)
        .Status();
}

}  // namespace

long CVdXmlNode::InsertDCartesian(const VDXML_DCARTESIAN& d) const {
    if ((d.Flags & VDXML_DCARTESIAN::flagDXyz) == 0) return E_FAIL;
    return EntrySequence(*this)
        .Number(true, VdXml::tagCrdDX, d.DX, 5)
        .Number(true, VdXml::tagCrdDY, d.DY, 5)
        .Number(true, VdXml::tagCrdDZ, d.DZ, 5)
        .Status();
}

long CVdXmlNode::InsertDGeodetic(const VDXML_DGEODETIC& d) const {
    const std::uint16_t f = d.Flags;
    return InsertDifference(
        *this, {f, VdXml::tagCrdDLat, d.DLat, VdXml::tagCrdDLon, d.DLon, 15, d.DH, d.Azi, false,
                0.0, d.Zen, d.DistS, d.DistHz, (f & VDXML_DGEODETIC::flagD2D) != 0, d.D2D,
                (f & VDXML_DGEODETIC::flagD3D) != 0, d.D3D});
}

long CVdXmlNode::InsertDGrid(const VDXML_DGRID& d) const {
    const std::uint16_t f = d.Flags;
    return InsertDifference(
        *this, {f, VdXml::tagCrdDEasting, d.DE, VdXml::tagCrdDNorthing, d.DN, 5, d.DH, d.Azi,
                (f & VDXML_DGRID::flagDir) != 0, d.Dir, d.Zen, d.DistS, d.DistHz,
                (f & VDXML_DGRID::flagD2D) != 0, d.D2D, (f & VDXML_DGRID::flagD3D) != 0, d.D3D});
}
