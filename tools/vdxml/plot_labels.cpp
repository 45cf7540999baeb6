#include "plot_labels.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace vdxml_cli::plot {

double TextWidth(const std::string& utf8, double fontSize) {
    std::size_t characters = 0;
    for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
    return 0.66 * fontSize * static_cast<double>(characters);
}

Box TextBox(const std::string& utf8, double x, double y, Anchor anchor, double fontSize) {
    const double width = TextWidth(utf8, fontSize);
    const double left = anchor == Anchor::kStart    ? x
                        : anchor == Anchor::kMiddle ? x - width / 2
                                                    : x - width;
    // A little room either side, so that neighbouring names do not touch.
    return {left - 1.5, y - 0.8 * fontSize, left + width + 1.5, y + 0.25 * fontSize};
}

namespace {
// The boxes taken so far, found by the cells of a coarse grid they touch.
class Occupancy {
  public:
    explicit Occupancy(double cell) : m_cell(cell) {}
    void Add(const Box& box) {
        const auto index = static_cast<std::uint32_t>(m_boxes.size());
        m_boxes.push_back(box);
        ForCells(box, [&](std::int64_t key) {
            m_cells[key].push_back(index);
            return false;
        });
    }
    bool Free(const Box& box) const {
        return !ForCells(box, [&](std::int64_t key) {
            const auto found = m_cells.find(key);
            if (found == m_cells.end()) return false;
            for (std::uint32_t i : found->second)
                if (m_boxes[i].Overlaps(box)) return true;
            return false;
        });
    }

  private:
    // Calls visit for every cell the box touches until it answers true; returns whether it did.
    template <class Visit>
    bool ForCells(const Box& box, Visit visit) const {
        const auto cx0 = static_cast<std::int64_t>(std::floor(box.x0 / m_cell));
        const auto cx1 = static_cast<std::int64_t>(std::floor(box.x1 / m_cell));
        const auto cy0 = static_cast<std::int64_t>(std::floor(box.y0 / m_cell));
        const auto cy1 = static_cast<std::int64_t>(std::floor(box.y1 / m_cell));
        for (std::int64_t cy = cy0; cy <= cy1; ++cy)
            for (std::int64_t cx = cx0; cx <= cx1; ++cx)
                if (visit(cy * 1000003 + cx)) return true;
        return false;
    }

    double m_cell;
    std::vector<Box> m_boxes;
    std::unordered_map<std::int64_t, std::vector<std::uint32_t>> m_cells;
};
}  // namespace

std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests,
                                     const std::vector<Box>& obstacles, const Box& bounds,
                                     double fontSize, bool all) {
    Occupancy taken(4 * fontSize);
    for (const Box& box : obstacles) taken.Add(box);
    std::vector<PlacedLabel> placed;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const LabelRequest& r = requests[i];
        const double gap = r.radius + 2;
        const PlacedLabel candidates[] = {{i, r.x + gap, r.y + 0.3 * fontSize, Anchor::kStart},
                                          {i, r.x - gap, r.y + 0.3 * fontSize, Anchor::kEnd},
                                          {i, r.x, r.y - gap - 0.25 * fontSize, Anchor::kMiddle},
                                          {i, r.x, r.y + gap + 0.8 * fontSize, Anchor::kMiddle}};
        bool done = false;
        for (const PlacedLabel& candidate : candidates) {
            const Box box = TextBox(*r.text, candidate.x, candidate.y, candidate.anchor, fontSize);
            if (!bounds.Contains(box) || !taken.Free(box)) continue;
            taken.Add(box);
            placed.push_back(candidate);
            done = true;
            break;
        }
        if (!done && all) placed.push_back(candidates[0]);
    }
    return placed;
}

}  // namespace vdxml_cli::plot
