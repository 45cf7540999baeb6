// vdxml export FILE --to csv|geojson: the points of a survey with their coordinates.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli.h"
#include "record_listing.h"
#include "record_text.h"
#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
const char* kExportUsage =
    "Usage: vdxml export FILE --to csv|geojson [-o OUT]\n"
    "\n"
    "Writes the points of each project of FILE with their first coordinate, to standard\n"
    "output or OUT. Points nested in other elements (stakeout designs and results) are left\n"
    "out.\n"
    "  csv      a header row, then name, easting, northing, orthometric height, latitude,\n"
    "           longitude (degrees) and ellipsoidal height; empty cells where a value is missing\n"
    "  geojson  an RFC 7946 FeatureCollection of WGS 84 points [longitude, latitude, height]\n"
    "           from each point's geodetic block; points without one are left out\n";

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

// A project's own points, each with the first coordinate below it. Points nested deeper (the
// design and staked points of a stakeout, say) are not the project's and are left out.
std::vector<PointRow> CollectPoints(const std::vector<ListedRecord>& records) {
    std::vector<PointRow> rows;
    const VDXML_BASE* point = nullptr;  // the project's point whose coordinate is still to come
    for (const ListedRecord& r : records) {
        if (r.record->nType == VDXML_TYPE_POINT && r.parent &&
            r.parent->nType == VDXML_TYPE_PROJECT) {
            point = r.record;
            rows.push_back(PointRow{Utf8(static_cast<const VDXML_POINT*>(point)->Name)});
        } else if (r.record->nType == VDXML_TYPE_COORD && point && r.parent == point) {
            FillRow(rows.back(), static_cast<const VDXML_COORD&>(*r.record));
            point = nullptr;
        }
    }
    return rows;
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

void WriteCsv(std::ostream& out, const std::vector<PointRow>& rows) {
    out << "name,easting,northing,orthometric_height,latitude,longitude,ellipsoidal_height\n";
    for (const PointRow& p : rows)
        out << CsvText(p.name) << ',' << Cell(p.hasGrid, p.east, 4) << ','
            << Cell(p.hasGrid, p.north, 4) << ',' << Cell(p.hasHO, p.ho, 4) << ','
            << Cell(p.hasWgs84, p.lat, 9) << ',' << Cell(p.hasWgs84, p.lon, 9) << ','
            << Cell(p.hasHE, p.he, 4) << '\n';
}

void WriteGeoJson(std::ostream& out, const std::vector<PointRow>& rows) {
    nlohmann::ordered_json features = nlohmann::ordered_json::array();
    for (const PointRow& p : rows) {
        if (!p.hasWgs84) continue;  // GeoJSON positions are WGS 84 only
        nlohmann::ordered_json position = {p.lon, p.lat};
        if (p.hasHE) position.push_back(p.he);
        nlohmann::ordered_json properties = {{"name", p.name}};
        if (p.hasGrid) properties["easting"] = p.east, properties["northing"] = p.north;
        if (p.hasHO) properties["orthometric_height"] = p.ho;
        features.push_back({{"type", "Feature"},
                            {"geometry", {{"type", "Point"}, {"coordinates", position}}},
                            {"properties", properties}});
    }
    const nlohmann::ordered_json collection = {{"type", "FeatureCollection"},
                                               {"features", features}};
    out << collection.dump(2) << '\n';
}
}  // namespace

int RunExport(Args args) {
    std::string file, format, output;
    while (!args.Empty()) {
        const std::string arg = args.Next();
        if (IsHelp(arg)) {
            std::fputs(kExportUsage, stdout);
            return kExitOk;
        }
        if (arg == "--to")
            format = args.Value(arg);
        else if (arg == "-o" || arg == "--output")
            output = args.Value(arg);
        else
            TakeFileArgument(arg, file);
    }
    RequireFile(file);
    if (format != "csv" && format != "geojson") throw UsageError("--to takes csv or geojson");

    CVdXmlTree tree;
    if (!LoadSurvey(file, tree)) return kExitBadInput;
    const std::vector<PointRow> rows = CollectPoints(ListRecords(tree));
    std::ofstream fileOut;
    if (!output.empty()) {
        fileOut.open(output, std::ios::binary | std::ios::trunc);
        if (!fileOut) {
            ReportError(output, "cannot be written");
            return kExitBadInput;
        }
    }
    std::ostream& out = output.empty() ? std::cout : fileOut;
    if (format == "csv")
        WriteCsv(out, rows);
    else
        WriteGeoJson(out, rows);
    out.flush();
    if (!out) {
        ReportError(output.empty() ? "standard output" : output, "write failed");
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace vdxml_cli
