// The plan as a standalone SVG picture: the map with points, setups, rays and baselines, a
// scale bar and a north arrow, and beside it the legend and the title block.
#pragma once

#include <ostream>
#include <string>

#include "plot_plan.h"
#include "plot_view.h"

namespace vdxml_cli::plot {

enum class LabelMode { kAuto, kAll, kNone };

struct PlotOptions {
    int width = 1200, height = 800;  ///< the picture in pixels
    LabelMode labels = LabelMode::kAuto;
};

/// Beyond this many points, each point is a small square and names are left out unless asked
/// for: a browser still opens the picture of a job of a hundred thousand points.
constexpr std::size_t kDensePoints = 5000;
/// Beyond this many points, names are left out unless asked for.
constexpr std::size_t kLabelledPoints = 2000;

/// Codes with a colour of their own, in the order the drawn points first use them; the
/// others share one.
constexpr std::size_t kCodeColours = 10;

/// What the map shows, counted for the legend and the title block.
struct DrawnCounts {
    std::size_t symbols[kPointSymbolCount] = {};
    std::size_t setups = 0, setupsNotDrawn = 0;
    std::size_t rays = 0, raysNotDrawn = 0;
    std::size_t baselines = 0, baselinesNotDrawn = 0;
    std::size_t rovers = 0, referenceStations = 0;
    bool dense = false;
};
DrawnCounts CountDrawn(const Plan& plan);

/// The colour of a thematic code (by its index in Plan::codes), or of points without one.
const char* CodeColour(std::uint16_t code);
/// The legend's words for a point symbol: "Control point", ...
const char* SymbolName(PointSymbol symbol);
/// The id of a point symbol's drawing in the picture's definitions.
const char* SymbolId(PointSymbol symbol);

/// Writes the picture. The plan must hold at least one point. False, with nothing written,
/// when what is drawn spreads too far for a page (coordinates beyond what a double spans).
bool WriteSvg(std::ostream& out, const Plan& plan, const PlotOptions& options);

/// Writes the legend and the title block into the panel box.
void WritePanel(std::ostream& out, const Plan& plan, const DrawnCounts& counts, const Box& panel);

/// A page coordinate as written: two decimals.
std::string Num(double value);
/// Text with the characters XML reserves escaped and control characters replaced.
std::string Escape(const std::string& text);
/// text shortened with an ellipsis so that it fits width at fontSize.
std::string Fit(const std::string& text, double width, double fontSize);

}  // namespace vdxml_cli::plot
