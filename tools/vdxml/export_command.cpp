// vdxml export FILE --to csv|geojson: the points of a survey with their coordinates.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli.h"
#include "record_text.h"
#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
const char* kExportUsage =
    "Usage: vdxml export FILE --to csv|geojson|landxml [-o OUT]\n"
    "\n"
    "Writes the points of each project of FILE with their first coordinate, to standard\n"
    "output or OUT. Points nested in other elements (stakeout designs and results) are left\n"
    "out.\n"
    "  csv      a header row, then name, easting, northing, orthometric height, latitude,\n"
    "           longitude (degrees) and ellipsoidal height; empty cells where a value is missing\n"
    "  geojson  an RFC 7946 FeatureCollection of WGS 84 points [longitude, latitude, height]\n"
    "           from each point's geodetic block; points without one are left out\n"
    "  landxml  a LandXML 1.2 document: units, application, projects, coordinate systems,\n"
    "           points, total-station setups with raw observations, GPS baselines\n"
    "           (docs/landxml.md); a summary line goes to standard error (or output with -o)\n"
    "\n"
    "FILE is read front to back. OUT replaces an older file only when complete; on standard\n"
    "output, a file that breaks part-way leaves the points before the fault.\n";

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

struct PointRow {
    std::string name;
    bool hasGrid = false, hasHO = false, hasWgs84 = false, hasHE = false;
    double east = 0, north = 0, ho = 0, lat = 0, lon = 0, he = 0;  // lat/lon in degrees
};

void FillRow(PointRow& row, const VDXML_COORD& c) {
    row.hasGrid = (c.LocalEnh.Flags & VDXML_GRID::flagEN) != 0;
    row.hasHO = (c.LocalEnh.Flags & VDXML_GRID::flagHO) != 0;
    row.east = c.LocalEnh.E, row.north = c.LocalEnh.N, row.ho = c.LocalEnh.HO;
    // Only the geodetic block: earth-centred coordinates are not read back from a file.
    if (c.Wgs84Llh.Flags & VDXML_GEODETIC::flagLatLon) {
        row.hasWgs84 = true;
        row.lat = c.Wgs84Llh.Lat * kDegrees;
        row.lon = c.Wgs84Llh.Lon * kDegrees;
        row.hasHE = (c.Wgs84Llh.Flags & VDXML_GEODETIC::flagHE) != 0;
        row.he = c.Wgs84Llh.HE;
    }
}

std::string Cell(bool present, double value, int decimals) {
    if (!present || !std::isfinite(value)) return "";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string CsvText(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

const char kCsvHeader[] =
    "name,easting,northing,orthometric_height,latitude,longitude,ellipsoidal_height\n";

void WriteCsvRow(std::ostream& out, const PointRow& p) {
    out << CsvText(p.name) << ',' << Cell(p.hasGrid, p.east, 4) << ','
        << Cell(p.hasGrid, p.north, 4) << ',' << Cell(p.hasHO, p.ho, 4) << ','
        << Cell(p.hasWgs84, p.lat, 9) << ',' << Cell(p.hasWgs84, p.lon, 9) << ','
        << Cell(p.hasHE, p.he, 4) << '\n';
}

// One feature per point with WGS 84 values; the collection is written as the points come.
void WriteGeoJsonFeature(std::ostream& out, const PointRow& p, bool first) {
    if (!p.hasWgs84) return;  // GeoJSON positions are WGS 84 only
    nlohmann::ordered_json position = {p.lon, p.lat};
    if (p.hasHE) position.push_back(p.he);
    nlohmann::ordered_json properties = {{"name", p.name}};
    if (p.hasGrid) properties["easting"] = p.east, properties["northing"] = p.north;
    if (p.hasHO) properties["orthometric_height"] = p.ho;
    const nlohmann::ordered_json feature = {
        {"type", "Feature"},
        {"geometry", {{"type", "Point"}, {"coordinates", position}}},
        {"properties", properties}};
    out << (first ? "\n    " : ",\n    ") << feature.dump();
}

// A project's own points, each with the first coordinate below it, written out as each point
// closes. Points nested deeper (the design and staked points of a stakeout, say) are not the
// project's and are left out.
class PointWriter : public SurveyReader {
  public:
    PointWriter(std::ostream& out, bool csv) : m_out(out), m_csv(csv) {}

    // A read that starts over (out of order for streaming) sends the same points again: those
    // written already were complete, since every element closed before the stop was, and are
    // not written twice.
    void Reset() override {
        m_open.clear();
        m_hasRow = m_rowHasCoord = false;
        m_skip = m_points;
        m_points = 0;
    }
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) override {
        const std::int32_t parent = m_open.empty() ? VDXML_TYPE_NONE : m_open.back();
        if (record.nType == VDXML_TYPE_POINT && parent == VDXML_TYPE_PROJECT) {
            m_row = PointRow{Utf8(static_cast<const VDXML_POINT&>(record).Name)};
            m_hasRow = true;
            m_rowHasCoord = false;
            m_pointDepth = m_open.size();
        } else if (record.nType == VDXML_TYPE_COORD && m_hasRow && !m_rowHasCoord &&
                   m_open.size() == m_pointDepth + 1) {
            FillRow(m_row, static_cast<const VDXML_COORD&>(record));
            m_rowHasCoord = true;
        }
        m_open.push_back(record.nType);
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override {
        if (m_open.empty()) return 0;
        m_open.pop_back();
        if (m_hasRow && m_open.size() == m_pointDepth) {
            m_hasRow = false;
            if (m_points++ < m_skip) return 0;
            Begin();
            if (m_csv)
                WriteCsvRow(m_out, m_row);
            else
                WriteGeoJsonFeature(m_out, m_row, m_written == 0);
            m_written += m_csv || m_row.hasWgs84;
        }
        return 0;
    }
    // The head goes out with the first point, so that a file refused before any point leaves
    // nothing written.
    void Begin() {
        if (m_begun) return;
        m_begun = true;
        if (m_csv)
            m_out << kCsvHeader;
        else
            m_out << "{\n  \"type\": \"FeatureCollection\",\n  \"features\": [";
    }
    void End() {
        Begin();
        if (!m_csv) m_out << (m_written ? "\n  ]\n}\n" : "]\n}\n");
    }

  private:
    std::ostream& m_out;
    bool m_csv;
    std::vector<std::int32_t> m_open;  // the kinds of the open records, outermost first
    PointRow m_row;
    bool m_hasRow = false, m_rowHasCoord = false;
    std::size_t m_pointDepth = 0;
    long long m_points = 0;   // the project points closed in this read
    long long m_skip = 0;     // of those, the ones an earlier read wrote
    long long m_written = 0;  // rows or features written
    bool m_begun = false;
};
}  // namespace

int RunExport(Args args) {
    std::string file, format, output;
    const bool goOn = ReadArguments(args, kExportUsage, &file, [&](const std::string& arg) {
        if (arg == "--to")
            format = args.Value(arg);
        else if (arg == "-o" || arg == "--output")
            output = args.Value(arg);
        else
            return false;
        return true;
    });
    if (!goOn) return kExitOk;
    if (format == "landxml") return RunLandXmlExport(file, output);
    if (format != "csv" && format != "geojson")
        throw UsageError("--to takes csv, geojson or landxml");

    // OUT is written beside itself and takes the place of the old one only when complete.
    const std::string partial = output + ".partial";
    std::ofstream fileOut;
    if (!output.empty()) {
        fileOut.open(partial, std::ios::binary | std::ios::trunc);
        if (!fileOut) {
            ReportError(output, "cannot be written");
            return kExitBadInput;
        }
    }
    std::ostream& out = output.empty() ? std::cout : fileOut;
    PointWriter writer(out, format == "csv");
    const ReadOutcome outcome = ReadSurvey(file, writer);
    if (SUCCEEDED(outcome.status)) writer.End();
    out.flush();
    const bool written = static_cast<bool>(out);
    if (!output.empty()) {
        fileOut.close();
        if (SUCCEEDED(outcome.status) && written &&
            std::rename(partial.c_str(), output.c_str()) == 0)
            return kExitOk;
        std::remove(partial.c_str());
    }
    if (FAILED(outcome.status)) {
        ReportUnreadable(file, outcome.status);
        return kExitBadInput;
    }
    if (!written || !output.empty()) {
        ReportError(output.empty() ? "standard output" : output, "write failed");
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace vdxml_cli
