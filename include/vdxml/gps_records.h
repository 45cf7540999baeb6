// Records of the GPS elements: the antenna with its offsets, the dilution-of-precision figures,
// the reference and rover receiver setups and the baseline between them.
//
// A value means something only while its flag bit is set; the flag, never the value, tells
// whether it was given. Values without a flag start at their defaults so that a record is
// never read uninitialised. Every record copies with its type code and omitted mark.
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/geometry_records.h"
#include "vdxml/records.h"

/// A receiver antenna. Writing needs both flagAntenna and flagAntName; reading a name sets
/// both. AntType selects a model text (see VdXml::enumAntennaModel): -1 "Invalid", 1 to 48
/// one model each; other codes have no text and cannot be written.
struct VDXML_API VDXML_ANTENNA : VDXML_BASE {
    static constexpr std::uint8_t flagAntenna = 0x01;  ///< the antenna is given
    static constexpr std::uint8_t flagAntName = 0x02;  ///< AntName is given
    static constexpr std::uint8_t flagAntType = 0x04;
    static constexpr std::uint8_t flagAntSn = 0x08;
    static constexpr std::uint8_t flagPhaseCentres = 0x10;  ///< the six phase-centre offsets
    static constexpr std::uint8_t maskRequired = flagAntenna | flagAntName;

    VDXML_ANTENNA() : VDXML_BASE(VDXML_TYPE_ANTENNA) {}
    std::uint8_t Flags = 0;
    std::int32_t AntType = -1;
    _bstr_t AntName;
    _bstr_t AntSn;        ///< serial number
    double AntVO = 0.0;   ///< vertical offset, linear unit
    double AntHzO = 0.0;  ///< horizontal offset, linear unit
    double AntL1PhO = 0.0;
    double AntL2PhO = 0.0;
    double AntL1EPhO = 0.0;  ///< L1 phase centre, east component
    double AntL1NPhO = 0.0;  ///< L1 phase centre, north component
    double AntL2EPhO = 0.0;
    double AntL2NPhO = 0.0;
};

/// Dilution-of-precision figures. The reserved figure counts when deciding whether any figure
/// is given, but no element carries its value.
struct VDXML_API VDXML_DOPS : VDXML_BASE {
    static constexpr std::uint8_t flagHDOP = 0x01;
    static constexpr std::uint8_t flagVDOP = 0x02;
    static constexpr std::uint8_t flagReservedDOP = 0x04;
    static constexpr std::uint8_t flagPDOP = 0x08;
    static constexpr std::uint8_t flagGDOP = 0x10;
    static constexpr std::uint8_t maskAny = 0x1F;

    VDXML_DOPS() : VDXML_BASE(VDXML_TYPE_DOPS) {}
    std::uint8_t Flags = 0;
    double HDOP = 0.0;
    double VDOP = 0.0;
    double ReservedDOP = 0.0;
    double PDOP = 0.0;
    double GDOP = 0.0;
};

/// What the reference and the rover setups share: receiver, antenna and antenna height.
/// Writing needs flagSetup; reading any of sensor type, serial number or antenna height sets
/// it together with the value's own flag.
struct VDXML_API VDXML_GPS_SETUP : VDXML_BASE {
    static constexpr std::uint8_t flagSetup = 0x01;  ///< the setup is given
    static constexpr std::uint8_t flagSensorType = 0x02;
    static constexpr std::uint8_t flagSensorSerialNr = 0x04;
    static constexpr std::uint8_t flagAntHgt = 0x08;

    std::uint8_t Flags = 0;
    _bstr_t SensorType;      ///< receiver type
    _bstr_t SensorSerialNr;  ///< receiver serial number
    VDXML_ANTENNA Antenna;
    double AntHgt = 0.0;  ///< antenna height, linear unit

  protected:
    explicit VDXML_GPS_SETUP(std::int32_t type) : VDXML_BASE(type) {}
};

/// The reference receiver's setup.
struct VDXML_API VDXML_GPS_REFERENCE : VDXML_GPS_SETUP {
    VDXML_GPS_REFERENCE() : VDXML_GPS_SETUP(VDXML_TYPE_GPS_REFERENCE) {}
};

/// The rover's setup, with the time span of the epochs it shares with the reference (Start
/// and End as Modified Julian Dates, Span in days; written when two of the three are set) and
/// its dilution-of-precision figures.
struct VDXML_API VDXML_GPS_ROVER : VDXML_GPS_SETUP {
    VDXML_GPS_ROVER() : VDXML_GPS_SETUP(VDXML_TYPE_GPS_ROVER) {}
    VDXML_TIMESPAN TSCE;
    VDXML_DOPS DOPs;
};

/// The baseline between reference and rover: its vector and accuracy as a coordinate
/// difference. Writing needs flagBaseline; reading any baseline element sets it.
struct VDXML_API VDXML_GPSBASELINE : VDXML_BASE {
    static constexpr std::uint8_t flagBaseline = 0x01;

    VDXML_GPSBASELINE() : VDXML_BASE(VDXML_TYPE_GPSBASELINE) {}
    std::uint8_t Flags = 0;
    VDXML_DCOORD DCoord;
};
