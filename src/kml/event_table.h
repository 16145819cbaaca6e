#pragma once

#include <optional>
#include <string>

namespace flenmark {

// What a log code shows as a placemark.
struct EventInfo {
    std::string name;
    std::string description;  // may hold "<br>"
    bool inAir = false;       // the in-the-air template, with an altitude
    bool warning = false;     // the warning template
};

// The placemark of a code at a point on the ground (onGround) or in the air; nullopt for a
// code the table does not know (such a line is shown as a plain data point).
std::optional<EventInfo> LookUpEvent(const std::string& code, bool onGround);

// The touchdown rating of a vertical speed in feet per minute (negative downwards).
std::string TouchdownRating(double verticalSpeedFpm);
// The same rating in a word: "Too hard", "Hard", "Nice" or "Kiss".
std::string TouchdownGrade(double verticalSpeedFpm);

// The autobrake setting written in "TO=" and "TD=" codes as the cockpit names it.
std::string AutobrakeText(const std::string& value);

}  // namespace flenmark
