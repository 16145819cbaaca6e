#pragma once

#include <string>

namespace flenmark {

struct Program;

// The animated replay from the data folder's "Animation.txt", "Flightlog.txt" and
// "Traffic.txt": frames, event placemarks, history path and traffic, appended to `out`.
// Nothing is appended when there is no animation log, or (after the "Not able to convert
// flightlog" message) when it cannot be built.
void BuildAnimatedKml(Program& program, std::string& out);

}  // namespace flenmark
