#pragma once

#include <string>

namespace flenmark {

struct Program;

// The animated replay from "Animation.txt", "Flightlog.txt" and "Traffic.txt" in `folder`
// (ending with "/"): frames, event placemarks, history path and traffic, appended to `out`.
// Damaged lines are left out and added to `damaged`. Nothing is appended when there is no
// animation log, or (after the "Not able to convert flightlog" message) when it cannot be built.
void BuildAnimatedKml(Program& program, const std::string& folder, std::string& out,
                      size_t& damaged);

}  // namespace flenmark
