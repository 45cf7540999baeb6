// Total-station setups and observation sets: every option that changes the layout, the
// decimals, and what reading restores.
#include "observation_cases.h"

using namespace vdxml_test;

namespace {
using Setup = VDXML_TPS_SETUP;
using ObsSet = VDXML_TPS_OBSSET;
using I = VDXML_TPS_INSTRUMENT;

// Instrument height 1.567, instrument type "TS16" and the instrument's flags and accuracy.
Setup Minimal(std::uint8_t instrumentFlags = 0x03, double absolute = 0.0, double relative = 0.0,
              double angle = 0.0) {
    Setup s;
    Assign(s, &Setup::Flags, Setup::flagInstrHgt, &Setup::InstrHgt, 1.567);
    Assign(s.Instrument, &I::Flags, instrumentFlags, &I::Type, L"TS16");
    using A = VDXML_TPS_INSTR_ACCURACY;
    Assign(s.Instrument.Accuracy, &A::AbsDistance, absolute, &A::RelDistance, relative, &A::Angle,
           angle);
    return s;
}

// Every field, the instrument's flags all four.
Setup Full() {
    Setup s = Minimal(0x0F, 0.002, 2.0, 0.0000015);
    Assign(s, &Setup::Time, 53736.5, &Setup::InstrOrientation, 0.1, &Setup::Flags,
           Setup::flagInstrHgt | Setup::flagInstrOrientation);
    Assign(s.Instrument, &I::InstrSn, L"884321", &I::InstrInfo, L"R500");
    s.Instrument.ItemName = {L"Total station 2", L"calibrated"};
    return s;
}

// A horizontal direction alone, with the reflector's flag and type and the time given.
ObsSet HzOnly(std::uint32_t reflector = VDXML_TPS_REFLECTOR_NONE, double time = 0.0,
              std::uint8_t reflectorFlags = VDXML_TPS_REFLECTOR::flagReflector) {
    ObsSet o;
    Assign(o, &ObsSet::Flags, ObsSet::flagHz, &ObsSet::Hz, 1.5707963267948966, &ObsSet::Time, time);
    using R = VDXML_TPS_REFLECTOR;
    Assign(o.Reflector, &R::Flags, reflectorFlags, &R::Type, reflector);
    return o;
}

// Round prism, face II, all five observations and all eight accuracy figures.
ObsSet FullSet() {
    ObsSet o = HzOnly(VDXML_TPS_REFLECTOR_ROUND_PRISM, 53736.25);
    o.Reflector.Hgt = 1.3;
    Assign(o, &ObsSet::FaceType, VDXML_TPS_FACE_II, &ObsSet::Flags, 0x1F, &ObsSet::Zen, 1.6,
           &ObsSet::DistS, 123.456789, &ObsSet::DH, -2.5, &ObsSet::DistHz, 123.4);
    using A = VDXML_TPS_OBS_ACCURACY;
    Assign(o.Accuracy, &A::Flags, 0xFF, &A::AbsHz, 1e-5, &A::RelHz, 2e-5, &A::AbsVAngle, 3e-5,
           &A::RelVAngle, 4e-5, &A::AbsDistanceSlope, 0.001, &A::RelDistanceSlope, 1.5,
           &A::AbsDistanceHorizontal, 0.002, &A::RelDistanceHorizontal, 2.5);
    return o;
}

const std::vector<Case> kCases = {
    {"FullSetup", S_OK, Writes<CVdXmlTpsSetup>(Full())},
    {"NoteWithoutName", S_OK,
     Changed<CVdXmlTpsSetup>(Minimal(), [](Setup& s) { s.Instrument.ItemName.Note = L"note"; })},
    {"TypeFlagOnly", E_FAIL, Writes<CVdXmlTpsSetup>(Minimal(VDXML_TPS_INSTRUMENT::flagType))},
    {"InstrumentFlagOnly", E_FAIL, Writes<CVdXmlTpsSetup>(Minimal(0x01))},
    // The accuracy is written only when all three figures are greater than 0.
    {"AccuracyWithoutAngle", S_OK, Writes<CVdXmlTpsSetup>(Minimal(0x03, 0.002, 2.0, 0.0))},
    {"AccuracyWithoutAbsolutePart", S_OK, Writes<CVdXmlTpsSetup>(Minimal(0x03, 0.0, 2.0, 1e-6))},
    {"AccuracyWithNegativePart", S_OK, Writes<CVdXmlTpsSetup>(Minimal(0x03, 0.002, -2.0, 1e-6))},
    {"HeightNotANumber", S_OK,
     Changed<CVdXmlTpsSetup>(Minimal(), [](Setup& s) { s.InstrHgt = NAN; })},
    {"AngleAccuracyInfinite", S_FALSE,
     Changed<CVdXmlTpsSetup>(Full(), [](Setup& s) { s.Instrument.Accuracy.Angle = HUGE_VAL; })},
    {"SingleDirection", S_OK, Writes<CVdXmlTpsObsSet>(HzOnly())},  // flagged, but "no reflector"
    // Type 0, an unknown reflector, is written; a time of -1 is not.
    {"UnknownReflectorWithoutTime", S_OK, Writes<CVdXmlTpsObsSet>(HzOnly(0, -1.0))},
    // A round prism without the reflector's flag.
    {"UnflaggedPrismFaceI", S_OK,
     Changed<CVdXmlTpsObsSet>(HzOnly(2, 53736.0, 0),
                              [](ObsSet& o) { o.FaceType = VDXML_TPS_FACE_I; })},
    {"ReflectorTypeWithoutText", E_FAIL,
     Changed<CVdXmlTpsObsSet>(FullSet(), [](ObsSet& o) { o.Reflector.Type = 12; })},
    {"FullSet", S_OK, Writes<CVdXmlTpsObsSet>(FullSet())},
};
}  // namespace

// Read back: a setup keeps its height, orientation and instrument type; a set its reflector
// and the first three observations.
TEST(Tps, WrittenAndReadBack) { ExpectFamily("tps", kCases, {"TpsSetup", "TpsObsSet"}); }
