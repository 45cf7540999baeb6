// GPS reference, rover and baseline: each setup child by its condition, the antenna and its
// phase centres, the DOPs, the time span of common epochs with its computed value, and what
// reading restores; the duration texts a span is read from.
#include "observation_cases.h"

using namespace vdxml_test;

namespace {
using S = VDXML_GPS_SETUP;
using D = VDXML_DOPS;
using Rover = VDXML_GPS_ROVER;
constexpr double kUnset = VDXML_UNDEFINED;

// Sensor, serial number, antenna height 1.8 and an antenna of model 7 with every value, as
// far as the flags give them.
template <class Setup>
Setup Full(std::uint8_t flags = 0x0F, std::uint8_t antennaFlags = 0x1F) {
    Setup s;
    Assign(s, &Setup::Flags, flags, &Setup::SensorType, L"Dual-frequency receiver",
           &Setup::SensorSerialNr, L"R-4711", &Setup::AntHgt, 1.8);
    using A = VDXML_ANTENNA;
    Assign(s.Antenna, &A::Flags, antennaFlags, &A::AntType, 7, &A::AntName, L"Pole antenna",
           &A::AntSn, L"A-1024", &A::AntVO, 0.0345, &A::AntHzO, 0.1, &A::AntL1PhO, 0.0625,
           &A::AntL1EPhO, 0.0011, &A::AntL1NPhO, -0.0012, &A::AntL2PhO, 0.0581, &A::AntL2EPhO,
           0.0021, &A::AntL2NPhO, -0.0022);
    return s;
}

// A rover with the flagged DOPs of all five figures and a span of common epochs, by default
// from 2006-01-01 06:00 to 2006-01-02 18:00.
Rover WithDops(std::uint8_t dops, double start = 53736.25, double end = 53737.75,
               double span = kUnset, std::uint8_t flags = S::flagSetup, std::uint8_t antenna = 0) {
    Rover r = Full<Rover>(flags, antenna);
    Assign(r.DOPs, &D::Flags, dops, &D::HDOP, 1.2, &D::VDOP, 1.9, &D::ReservedDOP, 9.9, &D::PDOP,
           2.25, &D::GDOP, 2.6);
    r.TSCE = {start, end, span};
    return r;
}

// A span alone is not a setup value: these rovers carry their antenna height.
std::function<long(const CVdXmlNode&)> Spans(double start, double end, double span) {
    return Writes<CVdXmlGpsRover>(WithDops(0, start, end, span, S::flagSetup | S::flagAntHgt));
}
std::function<long(const CVdXmlNode&)> Reference(std::uint8_t flags, std::uint8_t antenna) {
    return Writes<CVdXmlGpsReference>(Full<VDXML_GPS_REFERENCE>(flags, antenna));
}

const double kOdd = 53736.0 + (7 * 3600 + 8 * 60 + 9.123) / 86400.0;  // 07:08:09.123

const std::vector<Case> kCases = {
    {"FullRover", S_OK,
     Writes<CVdXmlGpsRover>(WithDops(D::maskAny, 53736.25, 53737.75, kUnset, 0x0F, 0x1F))},
    {"FullReference", S_OK, Reference(0x0F, 0x1F)},
    {"SetupAlone", S_OK, Reference(S::flagSetup, 0)},
    {"SerialNumberAlone", S_OK, Reference(S::flagSetup | S::flagSensorSerialNr, 0)},
    {"HeightAndNamedAntenna", S_OK, Reference(S::flagSetup | S::flagAntHgt, 0x03)},
    {"AntennaNotNamed", S_OK, Reference(S::flagSetup | S::flagSensorType, 0x1D)},
    {"AntennaNotGiven", S_OK, Reference(S::flagSetup | S::flagSensorType, 0x1E)},
    {"ReservedDopAlone", S_OK, Writes<CVdXmlGpsRover>(WithDops(D::flagReservedDOP, kUnset))},
    {"HdopAndGdop", S_OK, Writes<CVdXmlGpsRover>(WithDops(D::flagHDOP | D::flagGDOP, kUnset))},
    // Neither the DOPs nor the span make the setup given when read back.
    {"VdopAndPdopWithSpan", S_OK, Writes<CVdXmlGpsRover>(WithDops(D::flagVDOP | D::flagPDOP))},
    {"StartAlone", S_OK, Spans(53736.25, kUnset, kUnset)},
    {"SpanAlone", S_OK, Spans(kUnset, kUnset, 1.5)},
    {"EndComputed", S_OK, Spans(53736.25, kUnset, 1.5)},
    {"StartComputed", S_OK, Spans(kUnset, 53737.75, 1.5)},
    {"NoneComputed", S_OK, Spans(53736.25, 53737.75, 1.5)},
    {"NegativeSpan", S_OK, Spans(53737.75, kUnset, -1.5)},
    {"SpanComputedToTheMillisecond", S_OK, Spans(kOdd, kOdd + 1.0 + 7200.456 / 86400, kUnset)},
    {"Baseline", S_OK,
     Changed<CVdXmlGpsBaseline>(VDXML_GPSBASELINE(), [](auto& b) { b.Flags = 1; })},
};
}  // namespace

// Read back: the setup values with their flags (a setup without any is not written again),
// the antenna, the DOPs but the reserved one, and the three values of the span; a baseline
// only as present, its difference empty.
TEST(Gps, WrittenAndReadBack) { ExpectFamily("gps", kCases, {"Ref", "Rov", "Rov", "Rov"}); }

// The span is read from durations of days, hours, minutes and seconds (and an empty one
// leaves it unset); any other text fails and leaves it unset, while the other values are read.
TEST(Gps, SpanTexts) {
    const std::wstring tooLong = L"P" + std::wstring(400, L'9') + L"D";
    const std::wstring texts[] = {
        L"-P1DT12H", L"PT36H",  L"P1.5D",   L" P0DT0H0M43.2S ", L"PT90M", L"P0D",  L"",
        L"P1Y",      L"P2M",    L"P1W",     L"1DT2H",           L"P",     L"PT",   L"P1DT",
        L"P1H",      L"PT1S2M", L"P1DT2H3", L"P1D x",           L"-",     L"P-1D", tooLong};
    const double days[] = {-1.5, 1.5, 1.5, 0.0005, 0.0625, 0.0, kUnset};  // the rest fail
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(texts[i].substr(0, 10));
        const IXMLDOMDocument2Ptr dom = LoadDomXml(L"<Rov><AntHgt>1.5</AntHgt><TSCE><Span>" +
                                                   texts[i] + L"</Span></TSCE></Rov>");
        VDXML_ELEMENT element = ElementAt(dom, L"");
        Rover rover;
        EXPECT_EQ(CVdXmlGpsRover::Read(element, rover), i < std::size(days) ? S_OK : E_FAIL);
        EXPECT_DOUBLE_EQ(rover.TSCE.Span, i < std::size(days) ? days[i] : kUnset);
        EXPECT_EQ(rover.AntHgt, 1.5);
    }
}
