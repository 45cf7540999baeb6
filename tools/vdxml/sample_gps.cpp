// The GPS part of the sample: the point fixed by a three-minute occupation with a rover,
// relative to a reference station about two kilometres south-west of the site.
#include "sample_parts.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"
#include "vdxml/vocabulary.h"

namespace vdxml_cli::sample {
namespace {
constexpr double kOccupation = 3.0 / 1440.0;  // days
constexpr int kChokeRingWithRadome = 2;       // antenna model codes
constexpr int kRoverPole = 26;

// Where the reference station stands, as an offset on the site grid.
SamplePosition ReferenceStation() { return PositionAt(-1500.0, -1200.0); }

VDXML_ANTENNA Antenna(int type, const wchar_t* name, const wchar_t* serial, double verticalOffset) {
    VDXML_ANTENNA a;
    a.Flags = VDXML_ANTENNA::maskRequired | VDXML_ANTENNA::flagAntType | VDXML_ANTENNA::flagAntSn;
    a.AntType = type;
    a.AntName = name;
    a.AntSn = serial;
    a.AntVO = verticalOffset;
    return a;
}

template <class Setup>
Setup Receiver(const wchar_t* type, const wchar_t* serial, double antennaHeight) {
    Setup s;
    s.Flags = VDXML_GPS_SETUP::flagSetup | VDXML_GPS_SETUP::flagSensorType |
              VDXML_GPS_SETUP::flagSensorSerialNr | VDXML_GPS_SETUP::flagAntHgt;
    s.SensorType = type;
    s.SensorSerialNr = serial;
    s.AntHgt = antennaHeight;
    return s;
}

VDXML_GPS_REFERENCE Reference() {
    auto r = Receiver<VDXML_GPS_REFERENCE>(L"GNSS reference receiver", L"REF-2031", 0.0);
    r.Antenna = Antenna(kChokeRingWithRadome, L"Station antenna", L"CR-5521", 0.0614);
    return r;
}

VDXML_GPS_ROVER Rover(double epoch) {
    auto r = Receiver<VDXML_GPS_ROVER>(L"GNSS rover receiver", L"ROV-8812", 2.0);
    r.Antenna = Antenna(kRoverPole, L"Rover antenna", L"RP-1177", 0.0832);
    r.DOPs.Flags =
        VDXML_DOPS::flagHDOP | VDXML_DOPS::flagVDOP | VDXML_DOPS::flagPDOP | VDXML_DOPS::flagGDOP;
    r.DOPs.HDOP = 0.8;
    r.DOPs.VDOP = 1.3;
    r.DOPs.PDOP = 1.5;
    r.DOPs.GDOP = 1.7;
    r.TSCE.Start = epoch - kOccupation;
    r.TSCE.End = epoch;
    return r;
}

// The vector from the reference station to the point, with its cofactors.
VDXML_GPSBASELINE Baseline(const SamplePosition& point) {
    const SamplePosition reference = ReferenceStation();
    VDXML_GPSBASELINE b;
    b.Flags = VDXML_GPSBASELINE::flagBaseline;
    VDXML_DCARTESIAN& d = b.DCoord.Wgs84DXyz;
    d.Flags = VDXML_DCARTESIAN::flagDXyz | VDXML_DCARTESIAN::flagQlty;
    d.DX = point.x - reference.x;
    d.DY = point.y - reference.y;
    d.DZ = point.z - reference.z;
    d.Qlty = Cofactors(0.005, 0.009);
    return b;
}
}  // namespace

long WriteGps(const CVdXmlNode& point, long long index) {
    CVdXmlNode gps;
    long hr = gps.Create(point, VdXml::tagGps, nullptr);
    if (FAILED(hr)) return hr;
    CVdXmlGpsReference reference;
    hr = reference.Create(gps, Reference());
    if (FAILED(hr)) return hr;
    CVdXmlGpsRover rover;
    hr = rover.Create(gps, Rover(PointEpoch(index)));
    if (FAILED(hr)) return hr;
    CVdXmlGpsBaseline baseline;
    return baseline.Create(gps, Baseline(SamplePointPosition(index)));
}

}  // namespace vdxml_cli::sample
