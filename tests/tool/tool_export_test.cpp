// vdxml export: CSV and GeoJSON of a project's points, checked against the positions the
// sample generates and against files written here with the library directly.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "sample_survey.h"
#include "tool_runner.h"
#include "vdxml/coord.h"
#include "vdxml/document.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

using namespace vdxml_tool_test;
using nlohmann::json;

namespace {
constexpr double kPi = 3.14159265358979323846;
const char* const kCsvHeader =
    "name,easting,northing,orthometric_height,latitude,longitude,ellipsoidal_height";

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        cells.push_back(line.substr(start, comma - start));
    cells.push_back(line.substr(start));
    return cells;
}

// A survey of two points written with the library: P1 with WGS 84 latitude and longitude
// only, P2 without any coordinate.
std::string WriteSparseSurvey(const std::string& path, const vdxml_cli::SamplePosition& p) {
    VDXML_ROOT root;
    root.NamespaceURI = L"urn:vdxml:survey";
    root.Company = L"Test";
    root.Application = L"tool tests";
    root.Version.Major = 1;
    CVdXmlDocument doc;
    EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path.c_str()), 0), S_OK);
    VDXML_PROJECT project;
    project.Name = L"Sparse";
    CVdXmlProject projectNode;
    EXPECT_EQ(doc.InsertProject(project, projectNode), S_OK);
    VDXML_POINT point;
    point.Name = L"P1";
    CVdXmlPoint first;
    EXPECT_EQ(first.Create(projectNode, point), S_OK);
    VDXML_COORD coord;
    coord.Type = VDXML_COORD_TYPE_2D;
    coord.Wgs84Llh.Flags = VDXML_GEODETIC::flagLatLon;
    coord.Wgs84Llh.Lat = p.lat;
    coord.Wgs84Llh.Lon = p.lon;
    CVdXmlCoord coordNode;
    EXPECT_EQ(coordNode.Create(first, coord), S_OK);
    point.Name = L"P2";
    CVdXmlPoint second;
    EXPECT_EQ(second.Create(projectNode, point), S_OK);
    EXPECT_EQ(doc.Save(), S_OK);
    return path;
}
}  // namespace

class ToolExport : public ToolTest {
  protected:
    std::string Export(const std::string& file, const std::string& format) {
        const ToolResult r = Run({"export", file, "--to", format});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }
};

TEST_F(ToolExport, CsvHasTheHeaderAndOneRowPerSurveyedPoint) {
    const long long points = 57;
    const std::vector<std::string> lines = Lines(Export(Sample(points), "csv"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(points) + 1);  // no stakeout points
    EXPECT_EQ(lines[0], kCsvHeader);
    for (long long i = 0; i < points; ++i)
        EXPECT_EQ(Cells(lines[i + 1]).at(0), "P" + std::to_string(i + 1));
}

TEST_F(ToolExport, CsvValuesAreTheGeneratedOnes) {
    const std::vector<std::string> lines = Lines(Export(Sample(42), "csv"));
    ASSERT_EQ(lines.size(), 43u);
    // The first point is the grid's origin at 47 N, 8 E; the 41st starts the second row.
    const std::vector<std::string> first = Cells(lines[1]);
    ASSERT_EQ(first.size(), 7u);
    EXPECT_EQ(first[1], "2600000.0000");
    EXPECT_EQ(first[2], "1200000.0000");
    EXPECT_EQ(first[4], "47.000000000");
    EXPECT_EQ(first[5], "8.000000000");
    const std::vector<std::string> row2 = Cells(lines[41]);
    EXPECT_EQ(row2[0], "P41");
    EXPECT_EQ(row2[1], "2600000.0000");
    EXPECT_EQ(row2[2], "1200012.5000");
    // Orthometric heights lie 48.3 m below the ellipsoidal ones.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Cells(lines[i]);
        EXPECT_NEAR(std::stod(cells[6]) - std::stod(cells[3]), 48.3, 1.5e-4) << lines[i];
    }
}

TEST_F(ToolExport, GeoJsonPositionsAreTheWrittenOnes) {
    const long long points = 50;
    const json collection = json::parse(Export(Sample(points, "--dom"), "geojson"));
    EXPECT_EQ(collection.at("type"), "FeatureCollection");
    const json& features = collection.at("features");
    ASSERT_EQ(features.size(), static_cast<std::size_t>(points));
    for (long long i = 0; i < points; ++i) {
        const json& f = features[i];
        const vdxml_cli::SamplePosition p = vdxml_cli::SamplePointPosition(i);
        EXPECT_EQ(f.at("type"), "Feature");
        EXPECT_EQ(f.at("properties").at("name"), "P" + std::to_string(i + 1));
        EXPECT_EQ(f.at("geometry").at("type"), "Point");
        const json& c = f.at("geometry").at("coordinates");
        ASSERT_EQ(c.size(), 3u);
        // [longitude, latitude] in degrees; the file holds radians with 15 decimals.
        EXPECT_NEAR(c[0].get<double>(), p.lon * 180.0 / kPi, 1e-12) << i;
        EXPECT_NEAR(c[1].get<double>(), p.lat * 180.0 / kPi, 1e-12) << i;
        EXPECT_NEAR(c[2].get<double>(), p.height, 1e-5) << i;
        EXPECT_NEAR(f.at("properties").at("easting").get<double>(), p.east, 1e-5);
        EXPECT_NEAR(f.at("properties").at("northing").get<double>(), p.north, 1e-5);
    }
}

TEST_F(ToolExport, MissingValuesLeaveCellsEmptyAndPointsOutOfGeoJson) {
    const vdxml_cli::SamplePosition p = vdxml_cli::SamplePointPosition(7);
    const std::string path = WriteSparseSurvey(dir.file("sparse.xml"), p);

    const std::vector<std::string> csv = Lines(Export(path, "csv"));
    ASSERT_EQ(csv.size(), 3u);
    const std::vector<std::string> p1 = Cells(csv[1]);
    ASSERT_EQ(p1.size(), 7u);
    EXPECT_EQ(p1[1] + p1[2] + p1[3] + p1[6], "");  // no grid coordinates, no height
    EXPECT_NEAR(std::stod(p1[4]), p.lat * 180.0 / kPi, 1e-9);
    EXPECT_NEAR(std::stod(p1[5]), p.lon * 180.0 / kPi, 1e-9);
    EXPECT_EQ(csv[2], "P2,,,,,,");

    // GeoJSON positions need WGS 84: the point without coordinates is left out, the other
    // has a position without height and no grid properties.
    const json features = json::parse(Export(path, "geojson")).at("features");
    ASSERT_EQ(features.size(), 1u);
    EXPECT_EQ(features[0].at("properties"), json({{"name", "P1"}}));
    EXPECT_EQ(features[0].at("geometry").at("coordinates").size(), 2u);
}

TEST_F(ToolExport, OutputFileHoldsWhatStandardOutputShows) {
    const std::string path = Sample(8);
    for (const char* format : {"csv", "geojson"}) {
        const std::string out = dir.file(std::string("points.") + format);
        const ToolResult r = Run({"export", path, "--to", format, "-o", out});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(vdxml_test::ReadBytes(out), Export(path, format)) << format;
    }
}
