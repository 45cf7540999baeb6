// The geometry of a plan on the page: boxes, the extent of what is drawn, the mapping from grid
// coordinates to page coordinates and the round length of the scale bar.
#pragma once

#include <string>

#include "plot_plan.h"

namespace vdxml_cli::plot {

/// A rectangle on the page (y down), x0 <= x1 and y0 <= y1.
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double Width() const { return x1 - x0; }
    double Height() const { return y1 - y0; }
    /// True when the two share more than an edge.
    bool Overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    bool Contains(const Box& o) const {
        return x0 <= o.x0 && o.x1 <= x1 && y0 <= o.y0 && o.y1 <= y1;
    }
};

/// The grid rectangle that holds everything drawn.
struct Extent {
    bool empty = true;
    double minEast = 0, minNorth = 0, maxEast = 0, maxNorth = 0;
    void Add(double east, double north);
};

/// Grid to page: easting to the right, northing up, the same scale on both axes, the extent
/// centred in the area. An extent narrower than minimumSpan in both directions (a single
/// point) is shown minimumSpan wide.
class View {
  public:
    View(const Extent& extent, const Box& area, double minimumSpan);
    double X(double east) const { return m_centreX + (east - m_centreEast) * m_scale; }
    double Y(double north) const { return m_centreY - (north - m_centreNorth) * m_scale; }
    /// The grid coordinates of a page position.
    double East(double x) const { return m_centreEast + (x - m_centreX) / m_scale; }
    double North(double y) const { return m_centreNorth - (y - m_centreY) / m_scale; }
    /// Page units per grid unit; not finite or 0 when the extent is too wide to draw.
    double Scale() const { return m_scale; }

  private:
    double m_scale = 1, m_centreEast = 0, m_centreNorth = 0, m_centreX = 0, m_centreY = 0;
};

/// The longest length 1, 2 or 5 times a power of ten that is not longer than limit (> 0).
double RoundLength(double limit);
/// A scale-bar length with its unit: "50 m", "2 km", "0.5 m", "200 ft".
std::string LengthText(double length, LinearUnit unit);

}  // namespace vdxml_cli::plot
