#include "app/tcas_labels.h"

#include <algorithm>
#include <numeric>

namespace flenmark {
namespace {

constexpr int kSymbolHalf = 5;  // a diamond reaches 4 pixels from its centre, plus a margin

int Overlap(const LabelBox& a, const LabelBox& b) {
    const int w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

// The part of the box outside the scope, in pixels.
int Outside(const LabelBox& b) {
    const int inside = Overlap(b, {0, 0, kScopeSize, kScopeSize});
    return b.width * b.height - inside;
}

std::vector<LabelBox> Candidates(const TcasTarget& t, int w, int h) {
    const int s = kSymbolHalf;
    return {{t.x - w / 2, t.y - s - h, w, h}, {t.x - w / 2, t.y + s, w, h},
            {t.x + s, t.y - h / 2, w, h},     {t.x - s - w, t.y - h / 2, w, h},
            {t.x + s, t.y - s - h, w, h},     {t.x - s - w, t.y - s - h, w, h},
            {t.x + s, t.y + s, w, h},         {t.x - s - w, t.y + s, w, h}};
}

}  // namespace

std::vector<LabelBox> PlaceTcasLabels(const std::vector<TcasTarget>& targets,
                                      const std::function<int(const std::string&)>& textWidth,
                                      int textHeight) {
    const int c = kScopeSize / 2;
    std::vector<LabelBox> taken = {{c - 6, c - 8, 13, 16}};  // the own aircraft
    for (const TcasTarget& t : targets)
        taken.push_back({t.x - kSymbolHalf, t.y - kSymbolHalf, 2 * kSymbolHalf, 2 * kSymbolHalf});
    std::vector<size_t> order(targets.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return targets[a].traffic > targets[b].traffic; });
    std::vector<LabelBox> placed(targets.size());
    for (size_t i : order) {
        const TcasTarget& t = targets[i];
        int best = -1;
        for (const LabelBox& box : Candidates(t, textWidth(t.caption), textHeight)) {
            int cost = 4 * Outside(box);
            for (const LabelBox& other : taken) cost += Overlap(box, other);
            if (best < 0 || cost < best) best = cost, placed[i] = box;
            if (cost == 0) break;
        }
        taken.push_back(placed[i]);
    }
    return placed;
}

}  // namespace flenmark
