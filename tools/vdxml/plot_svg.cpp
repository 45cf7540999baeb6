#include "plot_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

#include "plot_labels.h"

namespace vdxml_cli::plot {
namespace {
constexpr double kMargin = 16;
constexpr double kFontSize = 11;
constexpr double kPointRadius = 5;   // what a point symbol covers, for the names around it
constexpr double kSetupRadius = 13;  // the setup's ring with its ticks
constexpr double kGnssRadius = 8.5;  // a rover's ring, a reference station's star
constexpr double kMinimumSpan = 10;  // grid units shown around a single point
const char* const kPalette[] = {"#d95f02", "#1b9e77", "#7570b3", "#e7298a", "#66a61e",
                                "#a6761d", "#1f78b4", "#b15928", "#6a3d9a", "#33a02c"};
constexpr std::size_t kPaletteSize = kCodeColours;
static_assert(sizeof kPalette / sizeof kPalette[0] == kPaletteSize);
const char* const kUncoded = "#222222";
const char* const kOtherCodes = "#888888";

// The symbols, drawn around (0, 0) in currentColor so that a <use> colours them. Open symbols
// are filled white so that lines end at their outline.
const char kDefinitions[] = R"(<defs>
<g id="s-control"><path d="M0,-6L5.2,3L-5.2,3Z" fill="white" stroke="currentColor" stroke-width="1.4"/><circle r="1.3" fill="currentColor"/></g>
<g id="s-reference"><rect x="-4.2" y="-4.2" width="8.4" height="8.4" fill="white" stroke="currentColor" stroke-width="1.4"/><circle r="1.3" fill="currentColor"/></g>
<g id="s-adjusted"><circle r="4.5" fill="white" stroke="currentColor" stroke-width="1.3"/><path d="M-4.5,0H4.5M0,-4.5V4.5" stroke="currentColor" stroke-width="1.1"/></g>
<g id="s-averaged"><path d="M0,-5.5L5.5,0L0,5.5L-5.5,0Z" fill="white" stroke="currentColor" stroke-width="1.3"/><circle r="1.3" fill="currentColor"/></g>
<g id="s-measured"><circle r="3.2" fill="currentColor"/></g>
<g id="s-approximate"><circle r="3.6" fill="white" stroke="currentColor" stroke-width="1.3"/></g>
<g id="s-unclassified"><path d="M-3.5,-3.5L3.5,3.5M-3.5,3.5L3.5,-3.5" stroke="currentColor" stroke-width="1.4"/></g>
<g id="s-setup"><circle r="9" fill="none" stroke="#1f4e9c" stroke-width="1.6"/><path d="M0,-9V-13M0,9V13M-9,0H-13M9,0H13" stroke="#1f4e9c" stroke-width="1.6"/></g>
<g id="s-rover"><circle r="7.5" fill="none" stroke="#b0186e" stroke-width="1.4" stroke-dasharray="3 2"/></g>
<g id="s-gnss-reference"><path d="M0,-8L2.4,-2.4L8,-2.4L3.6,1.2L5.2,7L0,3.6L-5.2,7L-3.6,1.2L-8,-2.4L-2.4,-2.4Z" fill="#b0186e" stroke="white" stroke-width="0.8"/></g>
</defs>
)";

struct Page {
    double x, y;
};

// Where a ray ends: the station moved by the horizontal distance along the azimuth.
void RayEnd(const PlanPoint& station, const PlanRay& ray, double& east, double& north) {
    east = station.east + ray.horizontalDistance * std::sin(ray.azimuth);
    north = station.north + ray.horizontalDistance * std::cos(ray.azimuth);
}

Extent ExtentOf(const Plan& plan) {
    Extent extent;
    for (const PlanPoint& p : plan.points) extent.Add(p.east, p.north);
    for (const PlanSetup& setup : plan.setups) {
        if (setup.station == kNoPoint) continue;
        for (const PlanRay& ray : setup.rays) {
            if (!ray.drawn) continue;
            double east, north;
            RayEnd(plan.points[setup.station], ray, east, north);
            extent.Add(east, north);
        }
    }
    for (const PlanBaseline& b : plan.baselines)
        if (b.drawn) extent.Add(b.referenceEast, b.referenceNorth);
    return extent;
}

Box Around(Page p, double radius) {
    return {p.x - radius, p.y - radius, p.x + radius, p.y + radius};
}

void Line(std::ostream& out, const char* cls, Page a, Page b) {
    out << "<line class=\"" << cls << "\" x1=\"" << Num(a.x) << "\" y1=\"" << Num(a.y) << "\" x2=\""
        << Num(b.x) << "\" y2=\"" << Num(b.y) << "\"/>\n";
}

void Use(std::ostream& out, const char* id, const char* cls, Page p) {
    out << "<use xlink:href=\"#" << id << "\" class=\"" << cls << "\" x=\"" << Num(p.x) << "\" y=\""
        << Num(p.y) << "\"/>\n";
}

const char* AnchorText(Anchor anchor) {
    return anchor == Anchor::kStart ? "start" : anchor == Anchor::kMiddle ? "middle" : "end";
}

// The map: everything drawn in grid coordinates, then names, scale bar and north arrow.
class MapWriter {
  public:
    MapWriter(std::ostream& out, const Plan& plan, const PlotOptions& options, const Box& frame,
              const DrawnCounts& counts)
        : m_out(out),
          m_plan(plan),
          m_options(options),
          m_frame(frame),
          m_counts(counts),
          m_view(ExtentOf(plan), Box{frame.x0 + 40, frame.y0 + 64, frame.x1 - 40, frame.y1 - 52},
                 kMinimumSpan) {}

    void Write() {
        m_page.reserve(m_plan.points.size());
        for (const PlanPoint& p : m_plan.points) m_page.push_back(At(p.east, p.north));
        CollectReferences();
        m_out << "<rect id=\"map-frame\" x=\"" << Num(m_frame.x0) << "\" y=\"" << Num(m_frame.y0)
              << "\" width=\"" << Num(m_frame.Width()) << "\" height=\"" << Num(m_frame.Height())
              << "\" fill=\"white\" stroke=\"#444444\" stroke-width=\"1\"/>\n";
        Baselines();
        Rays();
        Points();
        Gnss();
        Setups();
        ScaleBar();
        NorthArrow();
        Corners();
        Labels();
    }

  private:
    Page At(double east, double north) const { return {m_view.X(east), m_view.Y(north)}; }

    void Baselines() {
        if (m_counts.baselines == 0) return;
        m_out << "<g id=\"baselines\" stroke=\"#b0186e\" stroke-width=\"1.3\" "
                 "stroke-dasharray=\"7 4\">\n";
        for (const PlanBaseline& b : m_plan.baselines)
            if (b.drawn)
                Line(m_out, "baseline", At(b.referenceEast, b.referenceNorth), m_page[b.rover]);
        m_out << "</g>\n";
    }

    void Rays() {
        if (m_counts.rays == 0) return;
        m_out << "<g id=\"rays\" stroke=\"#1f4e9c\" stroke-width=\"0.9\" fill=\"#1f4e9c\">\n";
        for (const PlanSetup& setup : m_plan.setups) {
            if (setup.station == kNoPoint) continue;
            for (const PlanRay& ray : setup.rays) {
                if (!ray.drawn) continue;
                double east, north;
                RayEnd(m_plan.points[setup.station], ray, east, north);
                const Page end = At(east, north);
                Line(m_out, "ray", m_page[setup.station], end);
                m_out << "<circle class=\"ray-end\" cx=\"" << Num(end.x) << "\" cy=\"" << Num(end.y)
                      << "\" r=\"1.8\" stroke=\"none\"/>\n";
            }
        }
        m_out << "</g>\n";
    }

    void Points() {
        m_out << "<g id=\"points\">\n";
        if (m_counts.dense) {
            // One path per colour, a small square per point.
            std::vector<std::string> paths(kPaletteSize + 2);
            for (std::size_t i = 0; i < m_plan.points.size(); ++i) {
                const std::uint16_t code = m_plan.points[i].code;
                std::string& d = paths[code == kNoCode ? kPaletteSize + 1
                                                       : std::min<std::size_t>(code, kPaletteSize)];
                d += 'M' + Num(m_page[i].x - 1) + ' ' + Num(m_page[i].y - 1) + "h2v2h-2z";
            }
            for (std::size_t c = 0; c < paths.size(); ++c) {
                if (paths[c].empty()) continue;
                const char* colour = c == kPaletteSize + 1 ? kUncoded
                                     : c == kPaletteSize   ? kOtherCodes
                                                           : kPalette[c];
                m_out << "<path class=\"points-dense\" fill=\"" << colour << "\" d=\"" << paths[c]
                      << "\"/>\n";
            }
        } else {
            for (std::size_t i = 0; i < m_plan.points.size(); ++i) {
                const PlanPoint& p = m_plan.points[i];
                m_out << "<use xlink:href=\"#" << SymbolId(p.symbol) << "\" class=\"point\" x=\""
                      << Num(m_page[i].x) << "\" y=\"" << Num(m_page[i].y) << "\" color=\""
                      << CodeColour(p.code) << "\"><title>" << Escape(p.name) << "</title></use>\n";
            }
        }
        m_out << "</g>\n";
    }

    // Rover points get a ring; reference stations a star, once per place.
    void Gnss() {
        if (m_counts.rovers == 0 && m_counts.referenceStations == 0) return;
        m_out << "<g id=\"gnss\">\n";
        for (std::size_t i = 0; i < m_plan.points.size(); ++i)
            if (m_plan.points[i].gnss == GnssRole::kRover)
                Use(m_out, "s-rover", "gnss-rover", m_page[i]);
        for (const Page& p : m_references) Use(m_out, "s-gnss-reference", "gnss-reference", p);
        m_out << "</g>\n";
    }

    void Setups() {
        if (m_counts.setups == 0) return;
        m_out << "<g id=\"setups\">\n";
        for (const PlanSetup& setup : m_plan.setups)
            if (setup.station != kNoPoint) Use(m_out, "s-setup", "setup", m_page[setup.station]);
        m_out << "</g>\n";
    }

    // A bar of a round length, at most three tenths of the map wide, in two halves.
    void ScaleBar() {
        const double length = RoundLength(0.3 * m_frame.Width() / m_view.Scale());
        const double width = length * m_view.Scale();
        const double x = m_frame.x0 + 16, y = m_frame.y1 - 22;
        m_scaleBar = {x - 4, y - 16, x + width + 40, y + 10};
        m_out << "<g id=\"scale-bar\" font-size=\"11\" stroke=\"#222222\" stroke-width=\"0.8\">\n"
              << "<rect x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" width=\"" << Num(width / 2)
              << "\" height=\"6\" fill=\"#222222\"/>\n"
              << "<rect x=\"" << Num(x + width / 2) << "\" y=\"" << Num(y) << "\" width=\""
              << Num(width / 2) << "\" height=\"6\" fill=\"white\"/>\n"
              << "<text x=\"" << Num(x) << "\" y=\"" << Num(y - 4)
              << "\" stroke=\"none\" fill=\"#222222\" text-anchor=\"middle\">0</text>\n"
              << "<text class=\"scale-label\" x=\"" << Num(x + width) << "\" y=\"" << Num(y - 4)
              << "\" stroke=\"none\" fill=\"#222222\" text-anchor=\"middle\">"
              << Escape(LengthText(length, m_plan.unit)) << "</text>\n</g>\n";
    }

    // Grid north, which is up: the grid's easting runs to the right.
    void NorthArrow() {
        const double x = m_frame.x1 - 28, y = m_frame.y0 + 44;
        m_northArrow = {x - 10, y - 40, x + 10, y + 12};
        m_out << "<g id=\"north-arrow\" transform=\"translate(" << Num(x) << ',' << Num(y)
              << ")\" stroke=\"#222222\" stroke-width=\"1\" stroke-linejoin=\"round\">\n"
              << "<path d=\"M0,-24L7,8L0,3Z\" fill=\"#222222\"/>\n"
              << "<path d=\"M0,-24L-7,8L0,3Z\" fill=\"white\"/>\n"
              << "<text y=\"-28\" text-anchor=\"middle\" font-size=\"13\" font-weight=\"bold\" "
                 "stroke=\"none\" fill=\"#222222\">N</text>\n</g>\n";
    }

    // The grid coordinates of the map's top-left and bottom-right corners.
    void Corners() {
        const auto text = [&](double x, double y, const char* anchor, double textY) {
            char buffer[96];
            std::snprintf(buffer, sizeof buffer, "E %.1f  N %.1f", m_view.East(x), m_view.North(y));
            m_out << "<text x=\"" << Num(x + (*anchor == 's' ? 4 : -4)) << "\" y=\"" << Num(textY)
                  << "\" text-anchor=\"" << anchor << "\">" << buffer << "</text>\n";
        };
        m_out << "<g id=\"corners\" font-size=\"9\" fill=\"#666666\">\n";
        text(m_frame.x0, m_frame.y0, "start", m_frame.y0 + 11);
        text(m_frame.x1, m_frame.y1, "end", m_frame.y1 - 4);
        m_out << "</g>\n";
        m_corners[0] = {m_frame.x0, m_frame.y0, m_frame.x0 + 170, m_frame.y0 + 14};
        m_corners[1] = {m_frame.x1 - 170, m_frame.y1 - 14, m_frame.x1, m_frame.y1};
    }

    void Labels() {
        const std::size_t count = m_plan.points.size();
        const bool all = m_options.labels == LabelMode::kAll;
        if (m_options.labels == LabelMode::kNone ||
            (m_options.labels == LabelMode::kAuto && count > kLabelledPoints))
            return;
        // Control points, stations and reference stations are named first.
        std::vector<bool> station(count, false);
        for (const PlanSetup& setup : m_plan.setups)
            if (setup.station != kNoPoint) station[setup.station] = true;
        std::vector<std::size_t> order(count);
        for (std::size_t i = 0; i < count; ++i) order[i] = i;
        const auto rank = [&](std::size_t i) {
            const PlanPoint& p = m_plan.points[i];
            return p.symbol == PointSymbol::kControl || station[i] ||
                           p.gnss == GnssRole::kReferenceStation
                       ? 0
                       : 1;
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });

        std::vector<Box> obstacles{m_scaleBar, m_northArrow, m_corners[0], m_corners[1]};
        std::vector<LabelRequest> requests;
        for (std::size_t i : order) {
            const double radius = station[i]                                 ? kSetupRadius
                                  : m_plan.points[i].gnss != GnssRole::kNone ? kGnssRadius
                                                                             : kPointRadius;
            requests.push_back({m_page[i].x, m_page[i].y, radius, &m_plan.points[i].name});
            obstacles.push_back(Around(m_page[i], radius));
        }
        for (const Page& p : m_references) obstacles.push_back(Around(p, kGnssRadius));
        const Box bounds{m_frame.x0 + 3, m_frame.y0 + 3, m_frame.x1 - 3, m_frame.y1 - 3};
        const std::vector<PlacedLabel> placed =
            PlaceLabels(requests, obstacles, bounds, kFontSize, all);
        m_out << "<g id=\"labels\" font-size=\"" << kFontSize << "\" fill=\"#222222\">\n";
        for (const PlacedLabel& label : placed)
            m_out << "<text class=\"label\" x=\"" << Num(label.x) << "\" y=\"" << Num(label.y)
                  << "\" text-anchor=\"" << AnchorText(label.anchor) << "\">"
                  << Escape(*requests[label.request].text) << "</text>\n";
        m_out << "</g>\n";
    }

    // The reference stations' places: reference-station points and the far ends of baselines.
    void CollectReferences() {
        std::set<std::pair<long long, long long>> seen;  // to the tenth of a pixel
        const auto add = [&](Page p) {
            if (seen.insert({std::llround(p.x * 10), std::llround(p.y * 10)}).second)
                m_references.push_back(p);
        };
        for (std::size_t i = 0; i < m_plan.points.size(); ++i)
            if (m_plan.points[i].gnss == GnssRole::kReferenceStation)
                add(At(m_plan.points[i].east, m_plan.points[i].north));
        for (const PlanBaseline& b : m_plan.baselines)
            if (b.drawn) add(At(b.referenceEast, b.referenceNorth));
    }

  private:
    std::ostream& m_out;
    const Plan& m_plan;
    const PlotOptions& m_options;
    Box m_frame;
    const DrawnCounts& m_counts;
    View m_view;
    std::vector<Page> m_page;  // each point's place on the page
    std::vector<Page> m_references;
    Box m_scaleBar, m_northArrow, m_corners[2];
};
}  // namespace

DrawnCounts CountDrawn(const Plan& plan) {
    DrawnCounts c;
    for (const PlanPoint& p : plan.points) {
        ++c.symbols[static_cast<int>(p.symbol)];
        c.rovers += p.gnss == GnssRole::kRover;
        c.referenceStations += p.gnss == GnssRole::kReferenceStation;
    }
    for (const PlanSetup& setup : plan.setups) {
        const bool placed = setup.station != kNoPoint;
        (placed ? c.setups : c.setupsNotDrawn) += 1;
        for (const PlanRay& ray : setup.rays) (placed && ray.drawn ? c.rays : c.raysNotDrawn) += 1;
    }
    for (const PlanBaseline& b : plan.baselines) {
        (b.drawn ? c.baselines : c.baselinesNotDrawn) += 1;
        c.referenceStations += b.drawn && b.referencePoint == kNoPoint;
    }
    c.dense = plan.points.size() > kDensePoints;
    return c;
}

const char* CodeColour(std::uint16_t code) {
    if (code == kNoCode) return kUncoded;
    return code < kPaletteSize ? kPalette[code] : kOtherCodes;
}

const char* SymbolName(PointSymbol symbol) {
    static const char* const names[kPointSymbolCount] = {
        "Control point",     "Reference point", "Adjusted point",
        "Averaged point",    "Measured point",  "Approximate point (estimated, navigated, SPP)",
        "Unclassified point"};
    return names[static_cast<int>(symbol)];
}

const char* SymbolId(PointSymbol symbol) {
    static const char* const ids[kPointSymbolCount] = {
        "s-control",  "s-reference",   "s-adjusted",    "s-averaged",
        "s-measured", "s-approximate", "s-unclassified"};
    return ids[static_cast<int>(symbol)];
}

std::string Num(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", value);
    return std::string(text) == "-0.00" ? "0.00" : text;
}

std::string Escape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                // Characters below the space other than tab and line ends are not XML 1.0.
                escaped +=
                    static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r'
                        ? '?'
                        : c;
        }
    }
    return escaped;
}

std::string Fit(const std::string& text, double width, double fontSize) {
    if (TextWidth(text, fontSize) <= width) return text;
    std::string shorter = text;
    while (!shorter.empty() && TextWidth(shorter + "\xE2\x80\xA6", fontSize) > width) {
        shorter.pop_back();
        while (!shorter.empty() && (static_cast<unsigned char>(shorter.back()) & 0xC0) == 0x80)
            shorter.pop_back();  // the rest of a character cut in two
        if (!shorter.empty() && static_cast<unsigned char>(shorter.back()) >= 0xC0)
            shorter.pop_back();  // its lead byte
    }
    return shorter + "\xE2\x80\xA6";
}

bool WriteSvg(std::ostream& out, const Plan& plan, const PlotOptions& options) {
    const double width = options.width, height = options.height;
    const double panelWidth = std::min(300.0, std::round(0.35 * width));
    const Box frame{kMargin, kMargin, width - 2 * kMargin - panelWidth, height - kMargin};
    const Box panel{frame.x1 + kMargin, kMargin, width - kMargin, height - kMargin};
    const DrawnCounts counts = CountDrawn(plan);
    const Extent extent = ExtentOf(plan);
    const double span =
        std::max(extent.maxEast - extent.minEast, extent.maxNorth - extent.minNorth);
    if (extent.empty || !std::isfinite(span)) return false;

    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\""
        << options.width << "\" height=\"" << options.height << "\" viewBox=\"0 0 " << options.width
        << ' ' << options.height
        << "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\">\n"
        << "<title>" << Escape("Plan of " + plan.project) << "</title>\n"
        << kDefinitions << "<rect width=\"100%\" height=\"100%\" fill=\"#f4f4f0\"/>\n";
    MapWriter(out, plan, options, frame, counts).Write();
    WritePanel(out, plan, counts, panel);
    out << "</svg>\n";
    return true;
}

}  // namespace vdxml_cli::plot
