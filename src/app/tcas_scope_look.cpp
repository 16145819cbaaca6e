#include "app/tcas_scope_look.h"

#include <algorithm>

namespace flenmark {

std::optional<Rgb> TcasSymbolFill(int16_t traffic) {
    switch (traffic) {
        case 2:
            return Rgb{255, 255, 255};
        case 3:
            return Rgb{255, 215, 0};
        case 4:
            return Rgb{230, 0, 0};
        default:
            return std::nullopt;
    }
}

ScopeFit FitScope(int width, int height, int scopeSize) {
    const int side = std::max(1, std::min(width, height));
    return {(width - side) / 2, (height - side) / 2, static_cast<double>(side) / scopeSize};
}

std::array<ScopePoint, 4> OwnAircraftOutline(int c) {
    return {{{c, c - 7}, {c + 5, c + 6}, {c, c + 3}, {c - 5, c + 6}}};
}

}  // namespace flenmark
