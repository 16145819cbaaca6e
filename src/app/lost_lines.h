#pragma once

#include <cstddef>
#include <string>

namespace flenmark {

// Lines due in each of the three logs that could not be written: a recording with any has gaps.
struct LostLines {
    size_t flightLog = 0;  // "Flightlog.txt"
    size_t animation = 0;  // "Animation.txt"
    size_t traffic = 0;    // "Traffic.txt"

    bool any() const { return flightLog + animation + traffic > 0; }
    LostLines since(const LostLines& before) const {
        return {flightLog - before.flightLog, animation - before.animation,
                traffic - before.traffic};
    }
};

// "3 lines could not be written to Animation.txt and 12 to Traffic.txt".
std::string LostLinesText(const LostLines& lost);

}  // namespace flenmark
