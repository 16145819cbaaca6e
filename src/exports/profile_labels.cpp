#include "exports/profile_labels.h"

#include <algorithm>
#include <optional>
#include <string>

namespace flenmark {
namespace {

constexpr double kGap = 3;           // between a label and its line
constexpr size_t kShortestKept = 4;  // characters a shortened label keeps at least
constexpr double kApart = 4;         // between two labels in a row

// The spots taken so far; while `clearOfLines`, a spot that another event's line crosses is
// not free either.
struct Spots {
    const FigureBox& plot;
    const std::vector<FigureBox>& taken;
    const std::vector<double>& lines;
    bool clearOfLines = true;
    bool Free(const FigureText& t) const {
        const FigureBox box = TextBox(t);
        const FigureBox apart{box.x - kApart, box.y, box.width + 2 * kApart, box.height};
        const auto crosses = [&](double x) { return x > box.x && x < box.x + box.width; };
        return BoxInside(box, plot) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](auto& o) { return BoxesOverlap(apart, o); }) &&
               !(clearOfLines && std::any_of(lines.begin(), lines.end(), crosses));
    }
};

// The label at its line's `x` in row `row`, to the right of the line or to its left.
FigureText At(FigureText t, double x, const FigureBox& plot, int row, bool right) {
    const double pitch = t.sizePixels + 3;
    t.y = plot.y + kGap + 0.8 * t.sizePixels + row * pitch;
    t.x = right ? x + kGap : x - kGap;
    t.anchor = right ? FigureText::Anchor::Start : FigureText::Anchor::End;
    return t;
}

// The first free spot for the label as it is, trying row by row, right before left.
std::optional<FigureText> FirstFree(const FigureText& label, const Spots& spots, int rows) {
    for (int row = 0; row < rows; ++row)
        for (const bool right : {true, false}) {
            const FigureText t = At(label, label.x, spots.plot, row, right);
            if (spots.Free(t)) return t;
        }
    return std::nullopt;
}

// The label cut to its longest beginning that, with "…", fits a free spot.
std::optional<FigureText> Shortened(const FigureText& label, const Spots& spots, int rows) {
    for (size_t n = label.text.size(); n-- > kShortestKept;) {
        if ((static_cast<unsigned char>(label.text[n]) & 0xc0) == 0x80)
            continue;  // inside a character
        FigureText cut = label;
        cut.text = label.text.substr(0, n) + "\u2026";
        if (auto placed = FirstFree(cut, spots, rows)) return placed;
    }
    return std::nullopt;
}

}  // namespace

std::vector<FigureText> PlaceProfileLabels(const std::vector<FigureText>& labels,
                                           const FigureBox& plot) {
    std::vector<FigureText> placed;
    std::vector<FigureBox> taken;
    std::vector<double> lines;
    for (const FigureText& label : labels) lines.push_back(label.x);
    Spots spots{plot, taken, lines};
    for (const FigureText& label : labels) {
        const int rows = std::max(1, static_cast<int>(plot.height / 2 / (label.sizePixels + 3)));
        spots.clearOfLines = true;
        auto spot = FirstFree(label, spots, rows);
        spots.clearOfLines = false;
        if (!spot) spot = FirstFree(label, spots, rows);
        if (!spot) spot = Shortened(label, spots, rows);
        if (!spot) {
            placed.push_back(label);
            placed.back().text.clear();
            continue;
        }
        placed.push_back(*spot);
        taken.push_back(TextBox(*spot));
    }
    return placed;
}

}  // namespace flenmark
