#pragma once

#include <string>

namespace flenmark {

struct KmlTemplateSet;
struct Settings;

// The animated replay from "Animation.txt", "Flightlog.txt" and "Traffic.txt" in `folder`
// (ending with "/"): frames, event placemarks, history path and traffic, appended to `out`.
// Damaged lines are left out and added to `damaged`. Nothing is appended when there is no
// animation log; false (and nothing appended) when it cannot be built.
bool BuildAnimatedKml(const KmlTemplateSet& t, const Settings& settings, const std::string& folder,
                      std::string& out, size_t& damaged);

}  // namespace flenmark
