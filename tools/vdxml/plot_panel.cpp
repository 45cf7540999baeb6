// The panel beside the map: the legend of the symbols used above, the title block below.
#include <string>
#include <vector>

#include "plot_labels.h"
#include "plot_svg.h"

namespace vdxml_cli::plot {
namespace {
constexpr double kFontSize = 12;
constexpr double kRow = 20;       // legend rows
constexpr double kTitleRow = 17;  // title-block rows
constexpr double kPadding = 10;

std::string Count(std::size_t n) { return " (" + std::to_string(n) + ")"; }

// One legend row: what its key draws and its text.
struct LegendRow {
    enum Key { kSymbol, kSwatch, kLine, kDashedLine, kText } key;
    std::string what;  // the symbol's id, or the swatch's or line's colour
    std::string text;
};

std::vector<LegendRow> LegendRows(const Plan& plan, const DrawnCounts& counts) {
    std::vector<LegendRow> rows;
    if (counts.dense) {
        rows.push_back({LegendRow::kSwatch, CodeColour(kNoCode),
                        "Point, as a small square" + Count(plan.points.size())});
    } else {
        for (int s = 0; s < kPointSymbolCount; ++s)
            if (counts.symbols[s])
                rows.push_back({LegendRow::kSymbol, SymbolId(static_cast<PointSymbol>(s)),
                                std::string(SymbolName(static_cast<PointSymbol>(s))) +
                                    Count(counts.symbols[s])});
    }
    std::size_t otherCodes = 0, coded = 0;
    for (std::size_t i = 0; i < plan.codes.size(); ++i) {
        const PlanCode& code = plan.codes[i];
        coded += code.points;
        if (i < kCodeColours) {  // the palette's codes each have a row, the rest share one
            std::string text = "Code " + code.name;
            if (!code.description.empty()) text += ": " + code.description;
            rows.push_back({LegendRow::kSwatch, CodeColour(static_cast<std::uint16_t>(i)),
                            text + Count(code.points)});
        } else {
            otherCodes += code.points;
        }
    }
    if (otherCodes)
        rows.push_back({LegendRow::kSwatch, CodeColour(static_cast<std::uint16_t>(kCodeColours)),
                        "Other codes" + Count(otherCodes)});
    if (coded && coded < plan.points.size())
        rows.push_back({LegendRow::kSwatch, CodeColour(kNoCode),
                        "No code" + Count(plan.points.size() - coded)});
    if (counts.setups)
        rows.push_back(
            {LegendRow::kSymbol, "s-setup", "Total-station setup" + Count(counts.setups)});
    if (counts.rays)
        rows.push_back(
            {LegendRow::kLine, "#1f4e9c", "Observation to a target" + Count(counts.rays)});
    if (counts.rovers)
        rows.push_back({LegendRow::kSymbol, "s-rover", "GNSS rover point" + Count(counts.rovers)});
    if (counts.referenceStations)
        rows.push_back({LegendRow::kSymbol, "s-gnss-reference", "GNSS reference station"});
    if (counts.baselines)
        rows.push_back(
            {LegendRow::kDashedLine, "#b0186e", "GNSS baseline" + Count(counts.baselines)});
    return rows;
}

std::vector<std::string> TitleRows(const Plan& plan, const DrawnCounts& counts) {
    std::vector<std::string> rows;
    if (plan.projectCount > 1)
        rows.push_back("Project " + std::to_string(plan.projectNumber) + " of " +
                       std::to_string(plan.projectCount) + " in the file");
    rows.push_back("Company: " + plan.company);
    rows.push_back("Application: " + plan.application);
    rows.push_back("Created: " + (plan.created.empty() ? std::string("-") : plan.created));
    rows.push_back("Coordinate system: " + (!plan.hasCoordinateSystem ? std::string("none")
                                            : plan.coordinateSystem.empty()
                                                ? std::string("(name not read)")
                                                : plan.coordinateSystem));
    const auto counted = [&](const char* what, std::size_t drawn, std::size_t notDrawn) {
        rows.push_back(std::string(what) + ": " + std::to_string(drawn) +
                       ", not drawn: " + std::to_string(notDrawn));
    };
    counted("Points", plan.points.size(), plan.pointsNotDrawn);
    if (!plan.setups.empty()) {
        counted("Setups", counts.setups, counts.setupsNotDrawn);
        counted("Observations", counts.rays, counts.raysNotDrawn);
    }
    if (!plan.baselines.empty()) counted("Baselines", counts.baselines, counts.baselinesNotDrawn);
    return rows;
}

void Text(std::ostream& out, double x, double y, const std::string& text, double width, double size,
          const char* extra = "") {
    out << "<text x=\"" << Num(x) << "\" y=\"" << Num(y) << "\"" << extra << ">"
        << Escape(Fit(text, width, size)) << "</text>\n";
}

void LegendKey(std::ostream& out, const LegendRow& row, double x, double y) {
    switch (row.key) {
        case LegendRow::kSymbol:
            out << "<use xlink:href=\"#" << row.what << "\" x=\"" << Num(x) << "\" y=\"" << Num(y)
                << "\" color=\"" << CodeColour(kNoCode) << "\"/>\n";
            break;
        case LegendRow::kSwatch:
            out << "<rect x=\"" << Num(x - 5) << "\" y=\"" << Num(y - 5)
                << "\" width=\"10\" height=\"10\" fill=\"" << row.what << "\"/>\n";
            break;
        case LegendRow::kLine:
        case LegendRow::kDashedLine:
            out << "<line x1=\"" << Num(x - 12) << "\" y1=\"" << Num(y) << "\" x2=\"" << Num(x + 12)
                << "\" y2=\"" << Num(y) << "\" stroke=\"" << row.what << "\" stroke-width=\"1.3\""
                << (row.key == LegendRow::kDashedLine ? " stroke-dasharray=\"7 4\"" : "") << "/>\n";
            break;
        case LegendRow::kText:
            break;
    }
}
}  // namespace

void WritePanel(std::ostream& out, const Plan& plan, const DrawnCounts& counts, const Box& panel) {
    const double textWidth = panel.Width() - 2 * kPadding;

    // The title block sits at the foot of the panel.
    const std::vector<std::string> title = TitleRows(plan, counts);
    const double titleHeight = 2 * kPadding + 22 + kTitleRow * static_cast<double>(title.size());
    const Box block{panel.x0, panel.y1 - titleHeight, panel.x1, panel.y1};
    out << "<g id=\"title-block\" font-size=\"" << kFontSize << "\" fill=\"#222222\">\n"
        << "<rect x=\"" << Num(block.x0) << "\" y=\"" << Num(block.y0) << "\" width=\""
        << Num(block.Width()) << "\" height=\"" << Num(block.Height())
        << "\" fill=\"white\" stroke=\"#444444\"/>\n";
    double y = block.y0 + kPadding + 15;
    Text(out, block.x0 + kPadding, y, plan.project.empty() ? "(unnamed project)" : plan.project,
         textWidth, 16, " class=\"project\" font-size=\"16\" font-weight=\"bold\"");
    y += 7;
    for (const std::string& row : title) {
        y += kTitleRow;
        Text(out, block.x0 + kPadding, y, row, textWidth, kFontSize);
    }
    out << "</g>\n";

    // The legend takes the rest; rows that do not fit are summed up in the last one.
    std::vector<LegendRow> rows = LegendRows(plan, counts);
    const double legendBottom = block.y0 - kPadding;
    const auto fitting = static_cast<std::size_t>(
        std::max(0.0, (legendBottom - panel.y0 - 2 * kPadding - 24) / kRow));
    if (rows.size() > fitting && fitting > 0) {
        const std::size_t left = rows.size() - fitting + 1;
        rows.resize(fitting - 1);
        rows.push_back({LegendRow::kText, "", "and " + std::to_string(left) + " more"});
    } else if (fitting == 0) {
        rows.clear();
    }
    const double legendHeight = 2 * kPadding + 24 + kRow * static_cast<double>(rows.size());
    out << "<g id=\"legend\" font-size=\"" << kFontSize << "\" fill=\"#222222\">\n"
        << "<rect x=\"" << Num(panel.x0) << "\" y=\"" << Num(panel.y0) << "\" width=\""
        << Num(panel.Width()) << "\" height=\"" << Num(legendHeight)
        << "\" fill=\"white\" stroke=\"#444444\"/>\n";
    Text(out, panel.x0 + kPadding, panel.y0 + kPadding + 13, "Legend", textWidth, 14,
         " font-size=\"14\" font-weight=\"bold\"");
    y = panel.y0 + kPadding + 24 + kRow / 2;
    for (const LegendRow& row : rows) {
        LegendKey(out, row, panel.x0 + kPadding + 14, y);
        Text(out, panel.x0 + kPadding + 36, y + 4, row.text, textWidth - 36, kFontSize);
        y += kRow;
    }
    out << "</g>\n";
}

}  // namespace vdxml_cli::plot
