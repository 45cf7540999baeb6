// Names beside their symbols, placed so that they do not pile up: a name goes to the first of
// four places around its point (right, left, above, below) that is free of other names and of
// symbols and lies inside the map; a name with no free place is left out.
#pragma once

#include <string>
#include <vector>

#include "plot_view.h"

namespace vdxml_cli::plot {

/// A point that wants its name shown: page position, the radius its symbol takes, the text.
struct LabelRequest {
    double x = 0, y = 0, radius = 0;
    const std::string* text = nullptr;
};

enum class Anchor { kStart, kMiddle, kEnd };

struct PlacedLabel {
    std::size_t request = 0;  ///< index into the requests
    double x = 0, y = 0;      ///< the text's anchor point on its baseline
    Anchor anchor = Anchor::kStart;
};

/// The width of a text in a sans-serif font of the given size, estimated generously.
double TextWidth(const std::string& utf8, double fontSize);
/// The box a text takes when drawn at (x, y) with its anchor, with a little room either side.
Box TextBox(const std::string& utf8, double x, double y, Anchor anchor, double fontSize);

/// Places the requests in their order (earlier ones win a contested place). obstacles are the
/// symbols' boxes; bounds the area names must stay in. With all, a name that finds no free
/// place is put to the right of its point anyway.
std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests,
                                     const std::vector<Box>& obstacles, const Box& bounds,
                                     double fontSize, bool all);

}  // namespace vdxml_cli::plot
