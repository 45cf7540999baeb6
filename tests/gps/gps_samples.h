// Sample GPS records that every writer accepts, with every optional value set.
#pragma once

#include "vdxml/gps_records.h"

namespace vdxml_test {

/// An antenna with every flag: type 7, serial number, offsets and phase-centre offsets.
inline VDXML_ANTENNA FullAntenna() {
    VDXML_ANTENNA a;
    a.Flags = VDXML_ANTENNA::maskRequired | VDXML_ANTENNA::flagAntType | VDXML_ANTENNA::flagAntSn |
              VDXML_ANTENNA::flagPhaseCentres;
    a.AntType = 7;
    a.AntName = L"Pole antenna";
    a.AntSn = L"A-1024";
    a.AntVO = 0.0345;
    a.AntHzO = 0.1;
    a.AntL1PhO = 0.0625;
    a.AntL2PhO = 0.0581;
    a.AntL1EPhO = 0.0011;
    a.AntL1NPhO = -0.0012;
    a.AntL2EPhO = 0.0021;
    a.AntL2NPhO = -0.0022;
    return a;
}

/// A reference or rover setup with sensor, serial number, antenna height and FullAntenna().
template <class Setup>
Setup FullSetup() {
    Setup s;
    s.Flags = VDXML_GPS_SETUP::flagSetup | VDXML_GPS_SETUP::flagSensorType |
              VDXML_GPS_SETUP::flagSensorSerialNr | VDXML_GPS_SETUP::flagAntHgt;
    s.SensorType = L"Dual-frequency receiver";
    s.SensorSerialNr = L"R-4711";
    s.AntHgt = 1.8;
    s.Antenna = FullAntenna();
    return s;
}

/// FullSetup() of a rover with all five DOP figures and common epochs from 2006-01-01 06:00
/// to 2006-01-02 18:00 (the span is left to the writer).
inline VDXML_GPS_ROVER FullRover() {
    VDXML_GPS_ROVER r = FullSetup<VDXML_GPS_ROVER>();
    r.DOPs.Flags = VDXML_DOPS::maskAny;
    r.DOPs.HDOP = 1.2;
    r.DOPs.VDOP = 1.9;
    r.DOPs.ReservedDOP = 9.9;
    r.DOPs.PDOP = 2.25;
    r.DOPs.GDOP = 2.6;
    r.TSCE.Start = 53736.25;
    r.TSCE.End = 53737.75;
    return r;
}

}  // namespace vdxml_test
