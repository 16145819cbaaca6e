#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/tcas_display.h"

namespace flenmark {

// Where a caption goes on the scope: its box, top-left and size in scope pixels.
struct LabelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Places each target's caption beside its symbol so that captions do not overlap each other,
// the symbols or the own aircraft at the centre, and stay on the scope. The most threatening
// targets choose first; around each, above is tried first, then below, right, left and the
// corners, and when no spot is free the one that overlaps least is taken. One box per target,
// in the targets' order.
std::vector<LabelBox> PlaceTcasLabels(const std::vector<TcasTarget>& targets,
                                      const std::function<int(const std::string&)>& textWidth,
                                      int textHeight);

}  // namespace flenmark
