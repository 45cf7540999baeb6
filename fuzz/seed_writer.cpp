// Writes the seed corpus of the harnesses: survey files written by the library itself (both
// back ends, and transcoded to UTF-8 so that byte mutations keep more of a file readable) into
// <corpus>/files, and entry lists for the entry-text harness into <corpus>/entries.
//   vdxml_fuzz_seeds fuzz/corpus
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "entry_ops.h"
#include "fuzz_support.h"
#include "vdxml/coord.h"
#include "vdxml/coordinate_system.h"
#include "vdxml/dcoord.h"
#include "vdxml/document.h"
#include "vdxml/gps_baseline.h"
#include "vdxml/gps_reference.h"
#include "vdxml/gps_rover.h"
#include "vdxml/point.h"
#include "vdxml/project.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"
#include "vdxml/tps_obsset.h"
#include "vdxml/tps_setup.h"
#include "vdxml/tps_setup_details.h"

namespace {

using vdxml_fuzz::EntryOp;

bool Ok(long hr) { return hr >= 0; }

VDXML_POINT Point(const wchar_t* name, double epoch) {
    VDXML_POINT p;
    p.Name = name;
    p.Note = L"pillar & bolt <north>";
    p.Class = 1;
    p.Epoch = epoch;
    return p;
}

VDXML_COORD GeodeticCoord() {
    VDXML_COORD c;
    c.Type = VDXML_COORD_TYPE_3D;
    c.Wgs84Llh.Flags = VDXML_GEODETIC::flagLatLon | VDXML_GEODETIC::flagHE;
    c.Wgs84Llh.Lat = 0.8267;
    c.Wgs84Llh.Lon = 0.1461;
    c.Wgs84Llh.HE = 512.25;
    c.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
    c.LocalEnh.E = 600123.5;
    c.LocalEnh.N = 200456.25;
    c.LocalEnh.HO = 463.9;
    return c;
}

VDXML_DCOORD Difference() {
    VDXML_DCOORD d;
    d.Wgs84DXyz.Flags = 0x01;
    d.Wgs84DXyz.DX = -12.5;
    d.Wgs84DXyz.DY = 40.125;
    d.Wgs84DXyz.DZ = 3.75;
    return d;
}

VDXML_COORDINATESYSTEM CoordinateSystem() {
    VDXML_TRFRESIDUAL residual;
    residual.Type = VDXML_COORD_TYPE_2D;
    residual.Flags = VDXML_TRFRESIDUAL::flagSourceName | VDXML_TRFRESIDUAL::flagResidualEnh;
    residual.SourceName = L"CP7";
    residual.SourceEnh.Flags = VDXML_GRID::flagEN;
    residual.SourceEnh.E = 601000.0;
    residual.SourceEnh.N = 199000.0;
    residual.ResidualEnh.Flags = VDXML_RESIDUAL_GRID::flagDEN;
    residual.ResidualEnh.DE = -0.003;
    residual.ResidualEnh.DN = 0.006;

    VDXML_COORDINATESYSTEM system;
    system.Name = L"Site grid";
    system.Transformation.Name = L"Site fit";
    system.Transformation.Type = VDXML_TRANSFORMATION_HELMERT2D;
    system.Transformation.Residuals.push_back(residual);
    return system;
}

template <class Setup>
Setup Receiver(Setup setup, const wchar_t* serial) {
    using S = VDXML_GPS_SETUP;
    setup.Flags = S::flagSetup | S::flagSensorType | S::flagSensorSerialNr | S::flagAntHgt;
    setup.SensorType = L"R10";
    setup.SensorSerialNr = serial;
    setup.AntHgt = 1.8;
    setup.Antenna.Flags = VDXML_ANTENNA::maskRequired;
    setup.Antenna.AntName = L"Choke ring";
    return setup;
}

// Every element kind that reading reports, depth-first so that both back ends take it.
long WriteSurvey(IVdXmlDoc::enmDocType backEnd, const std::string& path) {
    CVdXmlDocument doc;
    long hr = doc.Initialize(vdxml_fuzz::FuzzRoot(), backEnd, _bstr_t(path.c_str()), 0);
    if (!Ok(hr)) return hr;
    const CVdXmlNode& application = *doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    CVdXmlCoordinateSystem system;
    if (!Ok(hr = system.Create(application, CoordinateSystem()))) return hr;

    VDXML_PROJECT projectRecord;
    projectRecord.Name = L"Bridge north";
    projectRecord.Created = 60310.375;
    CVdXmlProject project;
    if (!Ok(hr = doc.InsertProject(projectRecord, project))) return hr;
    CVdXmlPoint first;
    if (!Ok(hr = project.InsertPoint(Point(L"101", 60310.4), first))) return hr;
    CVdXmlCoord coord;
    if (!Ok(hr = first.InsertCoord(GeodeticCoord(), coord))) return hr;
    CVdXmlDCoord dcoord;
    if (!Ok(hr = first.InsertDCoord(Difference(), dcoord))) return hr;

    VDXML_TPS_SETUP setupRecord;
    setupRecord.Flags = VDXML_TPS_SETUP::flagInstrHgt;
    setupRecord.InstrHgt = 1.62;
    setupRecord.Instrument.Flags = VDXML_TPS_INSTRUMENT::maskRequired;
    setupRecord.Instrument.Type = L"TS60";
    CVdXmlTpsSetup setup;
    if (!Ok(hr = setup.Create(project, setupRecord))) return hr;
    VDXML_TPS_SETUP_DETAILS details;
    details.Method = VDXML_TPS_METHOD_KNOWN_BACKSIGHT;
    CVdXmlTpsSetupDetails detailsWriter;
    if (!Ok(hr = detailsWriter.Create(setup, details))) return hr;
    VDXML_TPS_OBSSET obs;
    obs.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
    obs.Reflector.Type = VDXML_TPS_REFLECTOR_ROUND_PRISM;
    obs.Reflector.Hgt = 1.5;
    obs.Flags = VDXML_TPS_OBSSET::flagHz | VDXML_TPS_OBSSET::flagZen | VDXML_TPS_OBSSET::flagDistS;
    obs.Hz = 2.5;
    obs.Zen = 1.55;
    obs.DistS = 87.654;
    CVdXmlTpsObsSet obsSet;
    if (!Ok(hr = obsSet.Create(setup, obs))) return hr;

    CVdXmlPoint second;
    if (!Ok(hr = project.InsertPoint(Point(L"102", 60310.5), second))) return hr;
    VDXML_GPSBASELINE baselineRecord;
    baselineRecord.Flags = VDXML_GPSBASELINE::flagBaseline;
    baselineRecord.DCoord = Difference();
    CVdXmlGpsBaseline baseline;
    if (!Ok(hr = baseline.Create(second, baselineRecord))) return hr;
    CVdXmlGpsReference reference;
    if (!Ok(hr = reference.Create(second, Receiver(VDXML_GPS_REFERENCE(), L"5001")))) return hr;
    VDXML_GPS_ROVER roverRecord = Receiver(VDXML_GPS_ROVER(), L"5002");
    roverRecord.DOPs.Flags = VDXML_DOPS::flagPDOP;
    roverRecord.DOPs.PDOP = 2.1;
    roverRecord.TSCE.Start = 60310.5;
    roverRecord.TSCE.End = 60310.5 + 1.0 / 48.0;
    CVdXmlGpsRover rover;
    if (!Ok(hr = rover.Create(second, roverRecord))) return hr;
    VDXML_THEMATICAL_CODE codeRecord;
    codeRecord.ItemName.Name = L"Manhole";
    codeRecord.Type = VDXML_THEMATICAL_GEOMETRY_POINT;
    CVdXmlThematicalCode code;
    if (!Ok(hr = code.Create(second, codeRecord))) return hr;
    VDXML_THEMATICAL_ATTRIBUTE attributeRecord;
    attributeRecord.ItemName.Name = L"Depth";
    attributeRecord.Flags = VDXML_THEMATICAL_ATTRIBUTE::flagAttribute;
    attributeRecord.ValueType = VDXML_THEMATICAL_VALUE_TEXT;
    attributeRecord.TextValue = L"2.4 m";
    CVdXmlThematicalAttribute attribute;
    if (!Ok(hr = attribute.Create(second, attributeRecord))) return hr;
    return doc.Save();
}

long WriteRootOnly(const std::string& path) {
    CVdXmlDocument doc;
    const long hr =
        doc.Initialize(vdxml_fuzz::FuzzRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path.c_str()), 0);
    return Ok(hr) ? doc.Save() : hr;
}

// A UTF-16 file (little-endian, byte-order mark) as UTF-8, its declaration changed to match.
bool TranscodeToUtf8(const std::string& from, const std::string& to) {
    const std::string bytes = vdxml_fuzz::ReadFile(from);
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return false;
    std::wstring wide;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned unit =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const unsigned low = static_cast<unsigned char>(bytes[i + 2]) |
                                 static_cast<unsigned char>(bytes[i + 3]) << 8;
            wide.push_back(
                static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
            i += 2;
        } else {
            wide.push_back(static_cast<wchar_t>(unit));
        }
    }
    std::string text = WideToUtf8(wide);
    for (const char* declared : {"utf-16", "UTF-16"}) {
        const std::size_t at = text.find(declared);
        if (at != std::string::npos && at < 64) text.replace(at, 6, "utf-8");
    }
    return vdxml_fuzz::WriteFile(to, reinterpret_cast<const std::uint8_t*>(text.data()),
                                 text.size());
}

EntryOp Op(EntryOp::Kind kind) {
    EntryOp op;
    op.kind = kind;
    return op;
}
EntryOp Text(EntryOp::Kind kind, const std::wstring& text) {
    EntryOp op = Op(kind);
    op.text = text;
    return op;
}
EntryOp Number(EntryOp::Kind kind, double value, unsigned precision = 0) {
    EntryOp op = Op(kind);
    op.number = value;
    op.single = static_cast<float>(value);
    op.integer =
        static_cast<std::uint64_t>(static_cast<long long>(std::isfinite(value) ? value : 0));
    op.precision = precision;
    return op;
}

std::vector<std::vector<EntryOp>> EntrySeeds() {
    using K = EntryOp;
    EntryOp civil = Op(K::kDateTimeTm);
    civil.when.tm_year = 124;
    civil.when.tm_mon = 1;
    civil.when.tm_mday = 29;
    civil.when.tm_hour = 23;
    civil.when.tm_min = 59;
    civil.when.tm_sec = 59;
    civil.number = 0.99999;
    return {
        // One entry of every kind with ordinary values.
        {Text(K::kText, L"Pillar 4"), Number(K::kDouble, 1234.56789, 5), Number(K::kFloat, 0.25, 3),
         Number(K::kLong, -42), Number(K::kUnsignedLong, 4000000000.0), Number(K::kByte, 200),
         Number(K::kDateTimeMjd, 60310.5), Number(K::kDateTimeOle, 45000.25),
         Number(K::kTimeSpanMjd, 1.5), Number(K::kTimeSpanOle, -0.75), civil,
         Text(K::kNamedText, L"Remark")},
        // Numbers at the edges of their formats.
        {Number(K::kDouble, NAN, 5), Number(K::kDouble, DBL_MAX, 2), Number(K::kDouble, -0.0, 0),
         Number(K::kDouble, 4.9e-324, 400), Number(K::kDouble, 1e300, 1100),
         Number(K::kFloat, INFINITY, 4), Number(K::kFloat, NAN, 1),
         Number(K::kDateTimeMjd, 1999999.99999999), Number(K::kDateTimeMjd, -0.5),
         Number(K::kDateTimeOle, -657434.0), Number(K::kDateTimeOle, 2958465.999999),
         Number(K::kTimeSpanMjd, 9.0e15), Number(K::kTimeSpanMjd, 0.99999999999)},
        // Texts the code page and XML must deal with, and names XML refuses.
        {Text(K::kText, std::wstring(L"tab\tnul", 7) + L'\0' + L"\r\n\x7F\x81\xAD end"),
         Text(K::kText, L"\x20AC 5 \x00E9t\x00E9 \x4E2D\x6587 <&>\"'"),
         Text(K::kText, std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x" +
                            static_cast<wchar_t>(0x110000) + static_cast<wchar_t>(0xFFFE)),
         Text(K::kText, L"   "), Text(K::kNamedText, L"a-b.c"), Text(K::kNamedText, L"1x"),
         Text(K::kNamedText, L""), Text(K::kNamedText, L"x y"),
         Text(K::kNamedText, L"\x00E9l\x00E9ment")},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const std::string corpus = argv[1];
    std::filesystem::create_directories(corpus + "/files");
    std::filesystem::create_directories(corpus + "/entries");
    const std::string files = corpus + "/files/";
    bool ok = Ok(WriteSurvey(IVdXmlDoc::DOCTYPE_DOM, files + "survey-dom.xml")) &&
              Ok(WriteSurvey(IVdXmlDoc::DOCTYPE_STREAM, files + "survey-stream.xml")) &&
              Ok(WriteRootOnly(files + "root-only.xml")) &&
              TranscodeToUtf8(files + "survey-dom.xml", files + "survey-utf8.xml") &&
              TranscodeToUtf8(files + "root-only.xml", files + "root-only-utf8.xml");
    int n = 0;
    for (const std::vector<EntryOp>& seed : EntrySeeds()) {
        const std::string bytes = vdxml_fuzz::EncodeEntryOps(seed);
        ok = ok && vdxml_fuzz::WriteFile(corpus + "/entries/seed-" + std::to_string(++n) + ".bin",
                                         reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size());
    }
    if (!ok) std::fprintf(stderr, "the seed corpus could not be written completely\n");
    return ok ? 0 : 1;
}
