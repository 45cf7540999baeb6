// A document with its "Application" node to write total-station elements under, the written
// file read back as a tree, and sample records that every writer accepts.
#pragma once

#include <string>
#include <vector>

#include "support/application_fixture.h"
#include "vdxml/tps_records.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

class TpsTest : public ApplicationTest {
  protected:
    /// After Written(): the i-th element called name below "Application", or an empty tree
    /// when missing.
    const XmlTree& Nth(const std::string& name, std::size_t i = 0) {
        static const XmlTree kNone;
        const XmlTree* found = Below("").child(name, i);
        EXPECT_NE(found, nullptr) << name << " #" << i;
        return found ? *found : kNone;
    }
};

/// Instrument height 1.567 and the instrument type "TS16"; nothing else.
inline VDXML_TPS_SETUP MinimalSetup() {
    VDXML_TPS_SETUP setup;
    setup.Flags = VDXML_TPS_SETUP::flagInstrHgt;
    setup.InstrHgt = 1.567;
    setup.Instrument.Flags = VDXML_TPS_INSTRUMENT::maskRequired;
    setup.Instrument.Type = L"TS16";
    return setup;
}

/// A setup with every field set.
inline VDXML_TPS_SETUP FullSetup() {
    VDXML_TPS_SETUP setup = MinimalSetup();
    setup.Time = 53736.5;  // 2006-01-01 12:00
    setup.Flags |= VDXML_TPS_SETUP::flagInstrOrientation;
    setup.InstrOrientation = 0.1;
    VDXML_TPS_INSTRUMENT& instrument = setup.Instrument;
    instrument.ItemName.Name = L"Total station 2";
    instrument.ItemName.Note = L"calibrated";
    instrument.Flags |= VDXML_TPS_INSTRUMENT::flagInstrSn | VDXML_TPS_INSTRUMENT::flagInstrInfo;
    instrument.InstrSn = L"884321";
    instrument.InstrInfo = L"R500";
    instrument.Accuracy.AbsDistance = 0.002;
    instrument.Accuracy.RelDistance = 2.0;
    instrument.Accuracy.Angle = 0.0000015;
    return setup;
}

/// An observation set with every field set: round prism, face II, five observations and all
/// eight accuracy figures.
inline VDXML_TPS_OBSSET FullObsSet() {
    VDXML_TPS_OBSSET set;
    set.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
    set.Reflector.Type = VDXML_TPS_REFLECTOR_ROUND_PRISM;
    set.Reflector.Hgt = 1.3;
    set.Time = 53736.25;
    set.FaceType = VDXML_TPS_FACE_II;
    set.Flags = VDXML_TPS_OBSSET::maskObservations;
    set.Hz = 1.5707963267948966;
    set.Zen = 1.6;
    set.DistS = 123.456789;
    set.DH = -2.5;
    set.DistHz = 123.4;
    VDXML_TPS_OBS_ACCURACY& a = set.Accuracy;
    a.Flags = 0xFF;
    a.AbsHz = 1e-5;
    a.RelHz = 2e-5;
    a.AbsVAngle = 3e-5;
    a.RelVAngle = 4e-5;
    a.AbsDistanceSlope = 0.001;
    a.RelDistanceSlope = 1.5;
    a.AbsDistanceHorizontal = 0.002;
    a.RelDistanceHorizontal = 2.5;
    return set;
}

}  // namespace vdxml_test
