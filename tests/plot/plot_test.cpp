// vdxml plot as its users run it: the picture of the sample survey measured against the
// positions the sample writer generates, edge cases of extent and input, names that do not
// pile up, big jobs, and a golden picture of a small fixed survey.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "sample_parts.h"
#include "support/golden.h"
#include "support/test_files.h"
#include "support/xml_tree.h"

namespace {

using namespace vdxml_test;
using Strings = std::vector<std::string>;
using Elements = std::vector<const XmlTree*>;

struct Result {
    int exit = -1;
    std::string out, err;
};

// Every element below node (and node itself) named name, with class cls when given.
void Collect(const XmlTree& node, const std::string& name, const std::string& cls, Elements& out) {
    const auto found = node.attrs.find("class");
    if (node.name == name && (cls.empty() || (found != node.attrs.end() && found->second == cls)))
        out.push_back(&node);
    for (const XmlTree& child : node.children) Collect(child, name, cls, out);
}
Elements All(const XmlTree& node, const std::string& name, const std::string& cls = "") {
    Elements out;
    Collect(node, name, cls, out);
    return out;
}
const XmlTree& ById(const XmlTree& node, const std::string& id) {
    for (const XmlTree* g : All(node, "g"))
        if (g->attrs.count("id") && g->attrs.at("id") == id) return *g;
    for (const XmlTree* r : All(node, "rect"))
        if (r->attrs.count("id") && r->attrs.at("id") == id) return *r;
    throw std::runtime_error("no element with id " + id);
}
double Num(const XmlTree& e, const std::string& attr) { return std::stod(e.attrs.at(attr)); }
std::string TitleOf(const XmlTree& e) { return e.child("title") ? e.child("title")->text : ""; }

// The picture's scale: the scale bar's drawn length per unit of its label ("50 m", "2 km").
struct ScaleBar {
    double drawn = 0, length = 0;
};
ScaleBar ReadScaleBar(const XmlTree& svg) {
    ScaleBar bar;
    const XmlTree& group = ById(svg, "scale-bar");
    for (const XmlTree* rect : All(group, "rect")) bar.drawn += Num(*rect, "width");
    const Elements label = All(group, "text", "scale-label");
    if (label.size() != 1) return bar;
    std::istringstream text(label[0]->text);
    std::string unit;
    text >> bar.length >> unit;
    if (unit == "km") bar.length *= 1000;
    return bar;
}

// The texts of the title block, one per row.
std::set<std::string> TitleRows(const XmlTree& svg) {
    std::set<std::string> rows;
    for (const XmlTree* t : All(ById(svg, "title-block"), "text")) rows.insert(t->text);
    return rows;
}

// A small fixed survey: a setup inside its control point with two rays (the third observation
// has no distance), codes with and without a description, a point without grid coordinates,
// and a rover whose baseline goes to the reference station with the same receiver serial
// number; a second project.
const char kFixedSurvey[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Company xmlns:dt="urn:schemas-microsoft-com:datatypes" xmlns="urn:vdxml:survey">
<Name>Fixed &amp; Sons Surveys</Name>
<FileCreated dt:dt="datetime">2024-03-05T10:20:30.0000</FileCreated>
<Application><Name>plot test</Name><Version><Major>1</Major><Minor>0</Minor></Version>
<Units><Linear>1</Linear><Angular>1</Angular><TimeSystem>2</TimeSystem></Units>
<Project><Name>Yard &lt;north&gt;</Name>
<CoordinateSystem><Name>Yard grid</Name></CoordinateSystem>
<ThematicalCodelist><Name>Codes</Name><ThematicalCodeGroup><Name>Cadastre</Name>
<ThematicalCode><Name>BM</Name><Type>1</Type><CodeDesc>Boundary marker</CodeDesc></ThematicalCode>
</ThematicalCodeGroup></ThematicalCodelist>
<Pnt><Name>CP1</Name><Cl>8</Cl><Crd><Lcl><ENH><E>1000.0</E><N>2000.0</N></ENH></Lcl></Crd>
<TpsSetup><InstrHgt>1.5</InstrHgt><InstrOrientation>0.5</InstrOrientation><Instrument><Type>TS</Type></Instrument>
<TpsObsSet><Hz>0.143501108793284</Hz><Zen>1.570796326794897</Zen><DistS>50.0</DistS></TpsObsSet>
<TpsObsSet><Hz>4.855890089177974</Hz><Zen>1.570796326794897</Zen><DistS>25.0</DistS></TpsObsSet>
<TpsObsSet><Hz>1.0</Hz></TpsObsSet>
</TpsSetup></Pnt>
<Pnt><Name>M1</Name><Cl>4</Cl><Crd><Lcl><ENH><E>1030.0</E><N>2040.0</N></ENH></Lcl></Crd><ThematicalCode><Name>BM</Name><Type>1</Type></ThematicalCode></Pnt>
<Pnt><Name>M2</Name><Cl>4</Cl><Crd><Lcl><ENH><E>980.0</E><N>2015.0</N></ENH></Lcl></Crd><ThematicalCode><Name>FP</Name><Type>1</Type></ThematicalCode></Pnt>
<Pnt><Name>M3</Name><Cl>7</Cl><Crd><Lcl><ENH><E>1060.0</E><N>1990.0</N></ENH></Lcl></Crd></Pnt>
<Pnt><Name>NG1</Name><Cl>4</Cl><Crd><W84><LLH><Lat>0.82</Lat><Lon>0.14</Lon><HE>450.0</HE></LLH></W84></Crd></Pnt>
<Pnt><Name>REF1</Name><Crd><Lcl><ENH><E>940.0</E><N>1950.0</N></ENH></Lcl></Crd><Gps><Ref><SensorType>Base</SensorType><SensorSerialNr>B-77</SensorSerialNr></Ref></Gps></Pnt>
<Pnt><Name>ROV1</Name><Cl>4</Cl><Crd><Lcl><ENH><E>1045.0</E><N>2005.0</N></ENH></Lcl></Crd><Gps><Ref><SensorType>Base</SensorType><SensorSerialNr>B-77</SensorSerialNr></Ref><Rov><SensorType>Rover</SensorType></Rov><GpsBl><DCrd><W84><DXYZ><DX>-60.0</DX><DY>80.0</DY><DZ>30.0</DZ></DXYZ></W84></DCrd></GpsBl></Gps></Pnt>
</Project>
<Project><Name>Other</Name>
<Pnt><Name>O1</Name><Cl>8</Cl><Crd><Lcl><ENH><E>5.0</E><N>5.0</N></ENH></Lcl></Crd></Pnt>
</Project>
</Application></Company>
)";

class Plot : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(VDXML_TOOL_PATH).empty()) GTEST_SKIP() << "built without the tool";
    }
    Result Run(const Strings& args) const {
        std::string command = "'" VDXML_TOOL_PATH "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        const std::string out = dir.file("out"), err = dir.file("err");
        const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    }
    std::string Sample(long long points) const {
        const std::string file = dir.file("sample" + std::to_string(points) + ".xml");
        const Result r = Run({"sample", "-o", file, "--points", std::to_string(points)});
        EXPECT_EQ(r.exit, 0) << r.err;
        return file;
    }
    // Plots file with the extra arguments into a picture and parses it back.
    XmlTree Picture(const std::string& file, Strings extra = {}) const {
        const std::string svg = dir.file("plan.svg");
        std::remove(svg.c_str());
        extra.insert(extra.begin(), {"plot", file, "-o", svg});
        const Result r = Run(extra);
        EXPECT_EQ(r.exit, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        return LoadXmlTree(svg, true);
    }
    TempDir dir;
};

// One symbol per point, each where its grid position puts it at one scale with north up, a
// ray from the station to each detail point the sample observed, a scale bar as long as it
// says, and a title block that counts what is drawn.
TEST_F(Plot, SampleSurveyIsDrawnToScale) {
    const std::string file = Sample(45);
    const XmlTree svg = Picture(file);
    EXPECT_EQ(svg.name, "svg");
    EXPECT_EQ(svg.ns, "http://www.w3.org/2000/svg");

    const Elements points = All(svg, "use", "point");
    ASSERT_EQ(points.size(), 45u);
    std::map<std::string, const XmlTree*> byName;
    for (const XmlTree* p : points) byName[TitleOf(*p)] = p;
    ASSERT_EQ(byName.size(), 45u);
    const auto page = [&](int i) {
        const XmlTree& p = *byName.at("P" + std::to_string(i + 1));
        return std::make_pair(Num(p, "x"), Num(p, "y"));
    };
    using vdxml_cli::SamplePointPosition;
    const vdxml_cli::SamplePosition first = SamplePointPosition(0), east = SamplePointPosition(39);
    const double scale = (page(39).first - page(0).first) / (east.east - first.east);
    ASSERT_GT(scale, 0);
    const auto expected = [&](double e, double n) {
        return std::make_pair(page(0).first + scale * (e - first.east),
                              page(0).second - scale * (n - first.north));
    };
    for (int i = 0; i < 45; ++i) {
        const vdxml_cli::SamplePosition p = SamplePointPosition(i);
        EXPECT_NEAR(page(i).first, expected(p.east, p.north).first, 0.03) << i;
        EXPECT_NEAR(page(i).second, expected(p.east, p.north).second, 0.03) << i;
    }

    // sample_tps.cpp observes three detail points at these offsets from the first point.
    const double targets[][2] = {{30.0, 40.0}, {-25.0, 15.0}, {10.0, -35.0}};
    const Elements rays = All(svg, "line", "ray");
    ASSERT_EQ(rays.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto end = expected(first.east + targets[i][0], first.north + targets[i][1]);
        EXPECT_NEAR(Num(*rays[i], "x1"), page(0).first, 0.01);
        EXPECT_NEAR(Num(*rays[i], "y1"), page(0).second, 0.01);
        EXPECT_NEAR(Num(*rays[i], "x2"), end.first, 0.03) << i;
        EXPECT_NEAR(Num(*rays[i], "y2"), end.second, 0.03) << i;
    }
    const Elements setups = All(svg, "use", "setup"), rovers = All(svg, "use", "gnss-rover");
    ASSERT_EQ(setups.size(), 1u) << "on the first control point";
    EXPECT_EQ(Num(*setups[0], "x"), page(0).first);
    EXPECT_EQ(Num(*setups[0], "y"), page(0).second);
    ASSERT_EQ(rovers.size(), 1u);
    EXPECT_EQ(Num(*rovers[0], "x"), page(0).first);

    const ScaleBar bar = ReadScaleBar(svg);
    EXPECT_NEAR(bar.drawn / scale, bar.length, bar.length * 1e-4);  // drawn to 0.01 px
    const double mantissa = bar.length / std::pow(10, std::floor(std::log10(bar.length)));
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                std::fabs(mantissa - 5) < 1e-9)
        << bar.length;
    const double frame = Num(ById(svg, "map-frame"), "width");
    EXPECT_LE(bar.drawn, 0.3 * frame);
    EXPECT_GT(bar.drawn, 0.12 * frame);

    const std::set<std::string> rows = TitleRows(svg);
    std::string created = Run({"info", file}).out;
    created = created.substr(created.find("Created:      ") + 14);
    created = created.substr(0, created.find('\n'));
    for (const std::string& row :
         {std::string("Sample site"), std::string("Company: Example Surveys Ltd"),
          "Created: " + created, std::string("Points: 45, not drawn: 0"),
          std::string("Setups: 1, not drawn: 0"), std::string("Observations: 3, not drawn: 0")})
        EXPECT_EQ(rows.count(row), 1u) << row;
    EXPECT_TRUE(rows.count("Baselines: 1, not drawn: 0") ||
                rows.count("Baselines: 0, not drawn: 1"));
}

// A survey of one project with the given points (name, easting, northing); a point without
// grid coordinates gets a geodetic position only.
std::string Survey(const std::vector<std::tuple<std::string, double, double, bool>>& points) {
    std::ostringstream xml;
    xml.precision(17);
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Company><Name>Edge</Name><Application>"
           "<Name>test</Name><Units><Linear>1</Linear></Units><Project><Name>Edge</Name>";
    for (const auto& [name, east, north, grid] : points) {
        xml << "<Pnt><Name>" << name << "</Name><Cl>4</Cl><Crd>";
        if (grid)
            xml << "<Lcl><ENH><E>" << east << "</E><N>" << north << "</N></ENH></Lcl>";
        else
            xml << "<W84><LLH><Lat>0.8</Lat><Lon>0.1</Lon></LLH></W84>";
        xml << "</Crd></Pnt>";
    }
    xml << "</Project></Application></Company>\n";
    return xml.str();
}

// Whatever the extent, every point lands inside the map frame, at the scale the scale bar
// gives, with no number that is not one.
TEST_F(Plot, ExtentsFromOnePointToANationalGrid) {
    const std::vector<
        std::pair<const char*, std::vector<std::tuple<std::string, double, double, bool>>>>
        cases = {
            {"one point", {{"A", 100.0, 200.0, true}}},
            {"a north-south line",
             {{"A", 50.0, 0.0, true},
              {"B", 50.0, 10.0, true},
              {"C", 50.0, 30.0, true},
              {"D", 50.0, 70.0, true}}},
            {"an east-west line", {{"A", -10.0, 5.0, true}, {"B", 990.0, 5.0, true}}},
            {"a national grid",
             {{"A", 5000000.0, 5000000.0, true},
              {"B", 5000000.5, 5000000.0, true},
              {"C", 5000080.0, 4999940.0, true},
              {"off", 0, 0, false}}},
        };
    for (const auto& [what, points] : cases) {
        SCOPED_TRACE(what);
        const std::string file = WriteBytes(dir.file("edge.xml"), Survey(points));
        const XmlTree svg = Picture(file);
        const std::string text = ReadBytes(dir.file("plan.svg"));
        EXPECT_EQ(text.find("nan"), std::string::npos);
        EXPECT_EQ(text.find("inf"), std::string::npos);
        const XmlTree& frame = ById(svg, "map-frame");
        const double x0 = Num(frame, "x"), y0 = Num(frame, "y");
        const double x1 = x0 + Num(frame, "width"), y1 = y0 + Num(frame, "height");
        const ScaleBar bar = ReadScaleBar(svg);
        ASSERT_GT(bar.length, 0);
        const double scale = bar.drawn / bar.length;
        const Elements drawn = All(svg, "use", "point");
        std::size_t gridded = 0;
        for (const auto& point : points) gridded += std::get<3>(point);
        ASSERT_EQ(drawn.size(), gridded);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const double x = Num(*drawn[i], "x"), y = Num(*drawn[i], "y");
            EXPECT_TRUE(x0 < x && x < x1 && y0 < y && y < y1) << x << ' ' << y;
            const auto& [name, east, north, grid] = points[i];
            EXPECT_EQ(TitleOf(*drawn[i]), name);
            const double dx = x - Num(*drawn[0], "x"), dy = y - Num(*drawn[0], "y");
            EXPECT_NEAR(dx, (east - std::get<1>(points[0])) * scale, 0.02 + 0.002 * std::fabs(dx));
            EXPECT_NEAR(dy, (std::get<2>(points[0]) - north) * scale, 0.02 + 0.002 * std::fabs(dy));
        }
        const std::size_t off = points.size() - drawn.size();
        EXPECT_EQ(TitleRows(svg).count("Points: " + std::to_string(drawn.size()) +
                                       ", not drawn: " + std::to_string(off)),
                  1u);
    }
}

// Usage errors give 2, input that cannot be drawn 1, each with a message and no picture.
TEST_F(Plot, BadInputAndBadArguments) {
    const std::string survey = WriteBytes(dir.file("fixed.xml"), kFixedSurvey);
    const std::string ungridded =
        WriteBytes(dir.file("ungridded.xml"), Survey({{"A", 0, 0, false}, {"B", 0, 0, false}}));
    const std::string empty =
        WriteBytes(dir.file("empty.xml"),
                   "<Company><Name>E</Name><Application><Name>a</Name></Application></Company>");
    const std::string missing = dir.file("missing.xml"), out = dir.file("plan.svg");
    const std::tuple<Strings, int, std::string> cases[] = {
        {{"plot", "--help"}, 0, "a reference station."},
        {{"plot"}, 2, "no FILE given"},
        {{"plot", survey, "--size", "100x100"}, 2, "--size takes WxH"},
        {{"plot", survey, "--size", "800"}, 2, "--size takes WxH"},
        {{"plot", survey, "--size", "+800x600"}, 2, "--size takes WxH"},
        {{"plot", survey, "--size", "800x99999999999999999999"}, 2, "--size takes WxH"},
        {{"plot", survey, "--project"}, 2, "--project needs a value"},
        {{"plot", survey, "--colour"}, 2, "unexpected argument '--colour'"},
        {{"plot", survey, survey}, 2, "unexpected argument '" + survey + "'"},
        {{"plot", missing, "-o", out}, 1, missing + ": no such file"},
        {{"plot", ungridded, "-o", out},
         1,
         "project 'Edge' has no point with grid coordinates (easting and northing); 2 points"},
        {{"plot", empty, "-o", out}, 1, empty + ": holds no project; nothing to draw"},
        {{"plot", survey, "--project", "Nope", "-o", out},
         1,
         "holds no project named 'Nope' (its projects: 'Yard <north>', 'Other')"},
        {{"plot", survey, "-o", dir.file("no/plan.svg")}, 1, "no/plan.svg: cannot be written"},
    };
    for (const auto& [args, exit, message] : cases) {
        const Result r = Run(args);
        EXPECT_EQ(r.exit, exit) << message << r.err;
        EXPECT_NE((exit ? r.err : r.out).find(message), std::string::npos) << r.err;
        EXPECT_TRUE(exit == 0 || r.out.empty()) << message;
        EXPECT_TRUE(exit != 2 || r.err.find("Try 'vdxml plot --help'") != std::string::npos);
        EXPECT_EQ(ReadBytes(out), "") << message;
    }
}

// The fixed survey's picture as reviewed; its second project when asked for by name.
TEST_F(Plot, GoldenPicture) {
    const std::string survey = WriteBytes(dir.file("fixed.xml"), kFixedSurvey);
    Picture(survey);
    ExpectGolden(dir.file("plan.svg"), "plot/fixed-plan");

    const XmlTree other = Picture(survey, {"--project", "Other", "--size", "900x600"});
    const Elements points = All(other, "use", "point");
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(TitleOf(*points[0]), "O1");
    EXPECT_EQ(TitleRows(other).count("Project 2 of 2 in the file"), 1u);
}

// A file whose point class comes after its coordinate cannot be streamed: it is read whole,
// and each point is drawn once, with the class that came late.
TEST_F(Plot, FileOutOfOrderIsReadWhole) {
    const std::string file = WriteBytes(
        dir.file("late.xml"),
        "<Company><Name>C</Name><Application><Name>A</Name><Project><Name>P</Name>"
        "<Pnt><Name>A1</Name><Crd><Lcl><ENH><E>1</E><N>2</N></ENH></Lcl></Crd><Cl>8</Cl></Pnt>"
        "<Pnt><Name>A2</Name><Crd><Lcl><ENH><E>5</E><N>7</N></ENH></Lcl></Crd></Pnt>"
        "</Project></Application></Company>");
    const XmlTree svg = Picture(file);
    const Elements points = All(svg, "use", "point");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(TitleOf(*points[0]), "A1");
    EXPECT_EQ(points[0]->attrs.at("xlink:href"), "#s-control");
    EXPECT_EQ(points[1]->attrs.at("xlink:href"), "#s-unclassified");
}

// Names leave out rather than overlap; --labels shows every one, --no-labels none.
TEST_F(Plot, NamesDoNotPileUp) {
    const std::string file = Sample(300);
    std::set<std::string> names;
    for (int i = 1; i <= 300; ++i) names.insert("P" + std::to_string(i));

    const XmlTree svg = Picture(file, {"--size", "1600x1000"});
    const Elements shown = All(svg, "text", "label");
    EXPECT_GT(shown.size(), 10u);
    EXPECT_LT(shown.size(), 150u);
    // Boxes no larger than the glyphs of any sans-serif font: half an em per character.
    std::vector<std::array<double, 4>> boxes;
    for (const XmlTree* label : shown) {
        EXPECT_EQ(names.count(label->text), 1u) << label->text;
        const double width = 0.5 * 11 * static_cast<double>(label->text.size());
        const std::string anchor = label->attrs.at("text-anchor");
        const double x = Num(*label, "x") - (anchor == "middle" ? width / 2
                                             : anchor == "end"  ? width
                                                                : 0);
        const double y = Num(*label, "y");
        for (const auto& b : boxes)
            EXPECT_FALSE(x < b[2] && b[0] < x + width && y - 8 < b[3] && b[1] < y) << label->text;
        boxes.push_back({x, y - 8, x + width, y});
    }
    EXPECT_EQ(All(Picture(file, {"--size", "640x400", "--labels"}), "text", "label").size(), 300u);
    EXPECT_EQ(All(Picture(file, {"--no-labels"}), "text", "label").size(), 0u);
}

// Beyond five thousand points each point is a square in one path per colour, without names,
// and the picture stays small.
TEST_F(Plot, BigJobsAreDrawnThin) {
    const std::string file = Sample(5001);
    const XmlTree svg = Picture(file);
    EXPECT_EQ(All(svg, "use", "point").size(), 0u);
    EXPECT_EQ(All(svg, "text", "label").size(), 0u);
    std::size_t squares = 0;
    for (const XmlTree* path : All(svg, "path", "points-dense"))
        for (char c : path->attrs.at("d")) squares += c == 'M';
    EXPECT_EQ(squares, 5001u);
    EXPECT_EQ(TitleRows(svg).count("Points: 5001, not drawn: 0"), 1u);
    EXPECT_LT(ReadBytes(dir.file("plan.svg")).size(), 5001u * 40);
}

}  // namespace
