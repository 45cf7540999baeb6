// The total-station part of the sample: a setup over the first point, oriented by a known
// backsight, with one observation set to each of three detail points around it.
#include <cmath>

#include "sample_parts.h"
#include "vdxml/tps_obsset.h"
#include "vdxml/tps_setup.h"
#include "vdxml/tps_setup_details.h"

namespace vdxml_cli::sample {
namespace {
constexpr double kInstrumentHeight = 1.562;
constexpr double kReflectorHeight = 1.8;
constexpr double kOrientation = 0.25 * kPi;  // grid azimuth of the circle's zero
// The detail points, as offsets east and north of the station (metres).
constexpr double kTargets[][2] = {{30.0, 40.0}, {-25.0, 15.0}, {10.0, -35.0}};

VDXML_TPS_SETUP Setup() {
    VDXML_TPS_SETUP setup;
    setup.Flags = VDXML_TPS_SETUP::flagInstrHgt | VDXML_TPS_SETUP::flagInstrOrientation;
    setup.InstrHgt = kInstrumentHeight;
    setup.InstrOrientation = kOrientation;
    setup.Time = kFirstEpoch - 0.125;
    setup.Instrument.Flags = VDXML_TPS_INSTRUMENT::maskRequired | VDXML_TPS_INSTRUMENT::flagInstrSn;
    setup.Instrument.ItemName.Name = L"Total station 1";
    setup.Instrument.Type = L"1 arc-second motorised";
    setup.Instrument.InstrSn = L"SN-100234";
    return setup;
}

// The polar observation from the station to the target, both at their marks' heights.
VDXML_TPS_OBSSET Observation(const SamplePosition& station, const SamplePosition& target,
                             double time) {
    const double de = target.east - station.east;
    const double dn = target.north - station.north;
    const double dh = (target.height + kReflectorHeight) - (station.height + kInstrumentHeight);
    VDXML_TPS_OBSSET obs;
    obs.FaceType = VDXML_TPS_FACE_I;
    obs.Flags = VDXML_TPS_OBSSET::flagHz | VDXML_TPS_OBSSET::flagZen | VDXML_TPS_OBSSET::flagDistS;
    obs.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
    obs.Reflector.Type = VDXML_TPS_REFLECTOR_360_PRISM;
    obs.Reflector.Hgt = kReflectorHeight;
    obs.Time = time;
    obs.Hz = std::fmod(std::atan2(de, dn) - kOrientation + 4 * kPi, 2 * kPi);
    obs.Zen = std::atan2(std::hypot(de, dn), dh);
    obs.DistS = std::sqrt(de * de + dn * dn + dh * dh);
    return obs;
}
}  // namespace

long WriteTotalStation(const CVdXmlNode& parent) {
    CVdXmlTpsSetup setupNode;
    long hr = setupNode.Create(parent, Setup());
    if (FAILED(hr)) return hr;

    VDXML_TPS_SETUP_DETAILS details;
    details.Method = VDXML_TPS_METHOD_KNOWN_BACKSIGHT;
    CVdXmlTpsSetupDetails detailsNode;
    hr = detailsNode.Create(setupNode, details);

    const SamplePosition station = SamplePointPosition(0);
    double time = kFirstEpoch - 0.12;
    for (const auto& target : kTargets) {
        if (FAILED(hr)) break;
        CVdXmlTpsObsSet obsNode;
        time += 0.001;
        hr =
            obsNode.Create(setupNode, Observation(station, PositionAt(target[0], target[1]), time));
    }
    return hr;
}

}  // namespace vdxml_cli::sample
