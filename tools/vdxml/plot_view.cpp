#include "plot_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vdxml_cli::plot {

void Extent::Add(double east, double north) {
    if (empty) {
        minEast = maxEast = east;
        minNorth = maxNorth = north;
        empty = false;
        return;
    }
    minEast = std::min(minEast, east), maxEast = std::max(maxEast, east);
    minNorth = std::min(minNorth, north), maxNorth = std::max(maxNorth, north);
}

View::View(const Extent& extent, const Box& area, double minimumSpan) {
    // Half-spans first, so that coordinates of national grids keep their precision.
    m_centreEast = extent.minEast + (extent.maxEast - extent.minEast) / 2;
    m_centreNorth = extent.minNorth + (extent.maxNorth - extent.minNorth) / 2;
    const double spanEast = std::max(extent.maxEast - extent.minEast, minimumSpan);
    const double spanNorth = std::max(extent.maxNorth - extent.minNorth, minimumSpan);
    m_scale = std::min(area.Width() / spanEast, area.Height() / spanNorth);
    m_centreX = area.x0 + area.Width() / 2;
    m_centreY = area.y0 + area.Height() / 2;
}

double RoundLength(double limit) {
    double power = std::pow(10.0, std::floor(std::log10(limit)));
    for (double step : {5.0, 2.0, 1.0})
        if (step * power <= limit * (1 + 1e-12)) return step * power;
    return power / 2;  // limit just below a power of ten after rounding
}

std::string LengthText(double length, LinearUnit unit) {
    const char* suffix = "";
    switch (unit) {
        case LinearUnit::kMetre:
            suffix = "m";
            if (length >= 1000) {
                length /= 1000;
                suffix = "km";
            }
            break;
        case LinearUnit::kUsSurveyFoot:
            suffix = "US ft";
            break;
        case LinearUnit::kInternationalFoot:
            suffix = "ft";
            break;
        case LinearUnit::kUnknown:
            suffix = "units";
            break;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.6g %s", length, suffix);
    return text;
}

}  // namespace vdxml_cli::plot
