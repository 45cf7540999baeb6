// Records of the total-station (TPS) elements: a setup with its instrument and the
// instrument's nominal accuracy, the setup details (orientation method) and an observation set
// with its reflector and measurement accuracy.
//
// A value means something only while its flag bit is set; the flag, never the value, tells
// whether it was given. Observation values and the setup's height and orientation start at
// VDXML_UNDEFINED so that a record is never read uninitialised. Codes are 32-bit: a reflector
// type of -1 and of 0xFFFFFFFF are the same "no reflector".
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/records.h"

/// Nominal accuracy of an instrument: the absolute and relative parts of the distance accuracy
/// and the angle accuracy. It counts as given only when all three are greater than 0.
struct VDXML_API VDXML_TPS_INSTR_ACCURACY : VDXML_BASE {
    VDXML_TPS_INSTR_ACCURACY() : VDXML_BASE(VDXML_TYPE_TPS_INSTR_ACCURACY) {}
    double AbsDistance = 0.0;
    double RelDistance = 0.0;
    double Angle = 0.0;

    /// True when all three figures are greater than 0 (NaN is not).
    bool IsGiven() const { return AbsDistance > 0.0 && RelDistance > 0.0 && Angle > 0.0; }
};

/// The instrument of a setup. Writing a setup needs both flagInstrument and flagType.
struct VDXML_API VDXML_TPS_INSTRUMENT : VDXML_BASE {
    static constexpr std::uint8_t flagInstrument = 0x01;  ///< the instrument is given
    static constexpr std::uint8_t flagType = 0x02;        ///< Type is given
    static constexpr std::uint8_t flagInstrSn = 0x04;
    static constexpr std::uint8_t flagInstrInfo = 0x08;
    static constexpr std::uint8_t maskRequired = flagInstrument | flagType;

    VDXML_TPS_INSTRUMENT() : VDXML_BASE(VDXML_TYPE_TPS_INSTRUMENT) {}
    VDXML_ITEMNAME ItemName;  ///< written only when its name is not empty
    std::uint8_t Flags = 0;
    _bstr_t Type;
    _bstr_t InstrSn;    ///< serial number
    _bstr_t InstrInfo;  ///< free information
    VDXML_TPS_INSTR_ACCURACY Accuracy;
};

/// One occupation of a station by an instrument. Writing needs flagInstrHgt and the
/// instrument's required flags.
struct VDXML_API VDXML_TPS_SETUP : VDXML_BASE {
    static constexpr std::uint8_t flagInstrHgt = 0x01;
    static constexpr std::uint8_t flagInstrOrientation = 0x08;

    VDXML_TPS_SETUP() : VDXML_BASE(VDXML_TYPE_TPS_SETUP) {}
    std::uint8_t Flags = 0;
    double InstrHgt = VDXML_UNDEFINED;  ///< linear unit
    VDXML_TPS_INSTRUMENT Instrument;
    double InstrOrientation = VDXML_UNDEFINED;  ///< angular unit
    double Time = VDXML_UNDEFINED;              ///< Modified Julian Date; unset when not known
};

/// Orientation methods of a setup; every code other than 0 needs a text to be written.
enum VDXML_TPS_ORIENTATION_METHOD : std::uint32_t {
    VDXML_TPS_METHOD_INVALID = 0,  ///< refused by the writer
    VDXML_TPS_METHOD_SET_AZIMUTH = 1,
    VDXML_TPS_METHOD_KNOWN_BACKSIGHT = 2,
    VDXML_TPS_METHOD_RESECTION = 3,
    VDXML_TPS_METHOD_RESECTION_HELMERT = 4,
    VDXML_TPS_METHOD_ORIENTATION_AND_HEIGHT_TRANSFER = 5,
    VDXML_TPS_METHOD_LOCAL_COORDINATES = 6,
    VDXML_TPS_METHOD_SYSTEM = 7,
    VDXML_TPS_METHOD_LOCAL_RESECTION = 8,
};

/// How a setup was oriented: a VDXML_TPS_ORIENTATION_METHOD code.
struct VDXML_API VDXML_TPS_SETUP_DETAILS : VDXML_BASE {
    VDXML_TPS_SETUP_DETAILS() : VDXML_BASE(VDXML_TYPE_TPS_SETUP_DETAILS) {}
    std::uint32_t Method = VDXML_TPS_METHOD_INVALID;
};

/// Reflector types; VDXML_TPS_REFLECTOR_NONE (all bits set) means no reflector.
enum VDXML_TPS_REFLECTOR_TYPE : std::uint32_t {
    VDXML_TPS_REFLECTOR_UNKNOWN = 0,
    VDXML_TPS_REFLECTOR_REFLECTORLESS = 1,
    VDXML_TPS_REFLECTOR_ROUND_PRISM = 2,
    VDXML_TPS_REFLECTOR_360_PRISM = 3,
    VDXML_TPS_REFLECTOR_MINI_PRISM = 4,
    VDXML_TPS_REFLECTOR_MINI_ZERO_PRISM = 5,
    VDXML_TPS_REFLECTOR_360_MINI_PRISM = 6,
    VDXML_TPS_REFLECTOR_TAPE = 7,
    VDXML_TPS_REFLECTOR_USER_UNDEFINED = 8,
    VDXML_TPS_REFLECTOR_USER_PRISM = 9,
    VDXML_TPS_REFLECTOR_USER_TAPE = 10,
    VDXML_TPS_REFLECTOR_KESTO_TAPE = 11,
    VDXML_TPS_REFLECTOR_NONE = 0xFFFFFFFFu,
};

/// The reflector aimed at; written only with flagReflector and a Type other than none.
struct VDXML_API VDXML_TPS_REFLECTOR : VDXML_BASE {
    static constexpr std::uint8_t flagReflector = 0x01;

    VDXML_TPS_REFLECTOR() : VDXML_BASE(VDXML_TYPE_TPS_REFLECTOR) {}
    std::uint8_t Flags = 0;
    std::uint32_t Type = VDXML_TPS_REFLECTOR_NONE;
    double Hgt = 0.0;  ///< linear unit
};

/// Accuracy figures of one measurement: absolute and relative parts for the horizontal
/// direction, the vertical angle, the slope and the horizontal distance, one flag bit each.
struct VDXML_API VDXML_TPS_OBS_ACCURACY : VDXML_BASE {
    static constexpr std::uint8_t flagAbsHz = 0x01;
    static constexpr std::uint8_t flagRelHz = 0x02;
    static constexpr std::uint8_t flagAbsVAngle = 0x04;
    static constexpr std::uint8_t flagRelVAngle = 0x08;
    static constexpr std::uint8_t flagAbsDistanceSlope = 0x10;
    static constexpr std::uint8_t flagRelDistanceSlope = 0x20;
    static constexpr std::uint8_t flagAbsDistanceHorizontal = 0x40;
    static constexpr std::uint8_t flagRelDistanceHorizontal = 0x80;

    VDXML_TPS_OBS_ACCURACY() : VDXML_BASE(VDXML_TYPE_TPS_OBS_ACCURACY) {}
    std::uint8_t Flags = 0;
    double AbsHz = 0.0;
    double RelHz = 0.0;
    double AbsVAngle = 0.0;
    double RelVAngle = 0.0;
    double AbsDistanceSlope = 0.0;
    double RelDistanceSlope = 0.0;
    double AbsDistanceHorizontal = 0.0;
    double RelDistanceHorizontal = 0.0;
};

/// Telescope faces of a measurement; 0 means not given.
enum VDXML_TPS_FACE : std::uint32_t {
    VDXML_TPS_FACE_NONE = 0,
    VDXML_TPS_FACE_I = 1,
    VDXML_TPS_FACE_II = 2,
};

/// One total-station measurement to a target. Writing needs at least one observation flag.
struct VDXML_API VDXML_TPS_OBSSET : VDXML_BASE {
    static constexpr std::uint8_t flagHz = 0x01;
    static constexpr std::uint8_t flagZen = 0x02;
    static constexpr std::uint8_t flagDistS = 0x04;
    static constexpr std::uint8_t flagDH = 0x08;
    static constexpr std::uint8_t flagDistHz = 0x10;
    static constexpr std::uint8_t maskObservations = 0x1F;

    VDXML_TPS_OBSSET() : VDXML_BASE(VDXML_TYPE_TPS_OBSSET) {}
    std::uint32_t FaceType = VDXML_TPS_FACE_NONE;
    std::uint8_t Flags = 0;
    VDXML_TPS_REFLECTOR Reflector;
    double Time = 0.0;  ///< Modified Julian Date; 0 or less when not known
    VDXML_TPS_OBS_ACCURACY Accuracy;
    double Hz = VDXML_UNDEFINED;      ///< horizontal direction, angular unit
    double Zen = VDXML_UNDEFINED;     ///< zenith angle, angular unit
    double DistS = VDXML_UNDEFINED;   ///< slope distance, linear unit
    double DH = VDXML_UNDEFINED;      ///< height difference, linear unit
    double DistHz = VDXML_UNDEFINED;  ///< horizontal distance, linear unit
};
