#include "kml/event_table.h"

#include <array>
#include <cctype>

#include "base/number_text.h"

namespace flenmark {
namespace {

enum class Air { Never, WhenAirborne, Always };

struct Row {
    const char* code;
    const char* name;
    const char* description;
    Air air;
    bool warning;
};

// Matched on the first two characters of the code; "TO=", "TD=" and "FL=" on three, and
// "O" and "S" on the whole code.
constexpr std::array<Row, 23> kRows = {{
    {"SA", "Start log", "Event: You started logging at this point.", Air::WhenAirborne, false},
    {"LI", "LLZ intercept", "Event: The aircraft intercepted the localizer (ILS).", Air::Always,
     false},
    {"LL", "LLZ lost", "Event: The aircraft lost the localizer (ILS) intercept.", Air::Always,
     false},
    {"OG", "On G/S", "Event: The aircraft is on the glideslope.", Air::Always, false},
    {"BG", "Below G/S", "Event: The aircraft is below the glideslope.", Air::Always, false},
    {"AG", "Above G/S", "Event: The aircraft is above the glideslope.", Air::Always, false},
    {"OM", "OM", "Event: The aircraft passed the outer marker at this point.", Air::Always, false},
    {"MM", "MM", "Event: The aircraft passed the middle marker at this point.", Air::Always, false},
    {"IM", "IM", "Event: The aircraft passed the inner marker at this point.", Air::Always, false},
    {"TO=", "T/O", "", Air::Never, false},
    {"TD=", "T/D VS: ", "", Air::Never, false},
    {"SO", "Stop log", "Event: The log was stopped at this point.", Air::WhenAirborne, false},
    {"FL=", "Flaps ", "", Air::WhenAirborne, false},
    {"GU", "Gear up", "Event: You retracted the gear at this point.", Air::Always, false},
    {"GD", "Gear down", "Event: You lowered the gear at this point.", Air::Always, false},
    {"SD", "Spoilers deployed", "Event: You deployed the spoilers at this point.",
     Air::WhenAirborne, false},
    {"SU", "Spoilers retracted", "Event: You retracted the spoilers at this point.",
     Air::WhenAirborne, false},
    {"TL", "Tailhook down", "Event: You lowered the tailhook at this point.", Air::WhenAirborne,
     false},
    {"TU", "Tailhook up", "Event: You retracted the tailhook at this point.", Air::WhenAirborne,
     false},
    {"O", "Overspeed!!",
     "Event: You went too fast and therefore overspeeded.<br>Make sure you never do it again as "
     "this is very dangerous.",
     Air::WhenAirborne, true},
    {"OE", "Recovered", "Event: You recovered from overspeed at this point.", Air::WhenAirborne,
     true},
    {"S", "Stall!!",
     "Event: You went too slow and therefore you stalled at this point.<br>Make sure you never do "
     "it again as this can result in a crash...",
     Air::Always, true},
    {"SE", "Recovered", "Event: You recovered from stall at this point.", Air::Always, true},
}};

bool Matches(const std::string& rowCode, const std::string& code) {
    if (rowCode == "O" || rowCode == "S") return code == rowCode;
    return code.compare(0, rowCode.size(), rowCode) == 0;
}

// The value a code carries, as the recorder writes them (numbers, "-", "/"): anything else a
// damaged log may hold is left out, since descriptions may stand inside markup.
std::string PlainValue(const std::string& text) {
    std::string out;
    for (unsigned char c : text)
        if (std::isalnum(c) || c == '-' || c == '+' || c == '.' || c == ',' || c == '/') out += c;
    return out;
}

// The name and description of the codes that carry a value.
void Complete(EventInfo& e, const std::string& code) {
    const std::string value = code.size() > 3 ? PlainValue(code.substr(3)) : std::string();
    if (code.rfind("TO=", 0) == 0) {
        e.description = "Event: The aircraft took off at this point.<br>Autobrake was set to " +
                        AutobrakeText(value) + ".";
    } else if (code.rfind("TD=", 0) == 0) {
        const size_t slash = value.find('/');
        const std::string vs = value.substr(0, slash);
        const std::string autobrake = slash == std::string::npos ? "" : value.substr(slash + 1);
        e.name += vs + "ft/m";
        e.description = "Event: The aircraft touched down at this point.<br>" +
                        TouchdownRating(NumericValue(vs)) + "<br>The autobrake was set to " +
                        AutobrakeText(autobrake) + ".";
    } else if (code.rfind("FL=", 0) == 0) {
        e.name += value + "%";
        e.description = "Event: You changed flaps to " + value + "% out at this point.";
    }
}

}  // namespace

std::optional<EventInfo> LookUpEvent(const std::string& code, bool onGround) {
    for (const Row& row : kRows) {
        if (!Matches(row.code, code)) continue;
        EventInfo e{row.name, row.description,
                    row.air == Air::Always || (row.air == Air::WhenAirborne && !onGround),
                    row.warning};
        Complete(e, code);
        return e;
    }
    return std::nullopt;
}

namespace {

// 0 too hard, 1 hard, 2 nice, 3 kiss.
int TouchdownClass(double vs) {
    if (vs < -600) return 0;
    if (vs < -300) return 1;
    if (vs < -180) return 2;
    return 3;
}

}  // namespace

std::string TouchdownRating(double vs) {
    static const char* const kRatings[] = {
        "This touchdown was too hard, please practice your landings a bit more...",
        "This was a pretty hard touchdown, the gear probably sustained some damage.",
        "Nice touchdown!", "Now this is what you can call a 'kiss' touchdown, you're good!"};
    return kRatings[TouchdownClass(vs)];
}

std::string TouchdownGrade(double vs) {
    static const char* const kGrades[] = {"Too hard", "Hard", "Nice", "Kiss"};
    return kGrades[TouchdownClass(vs)];
}

std::string AutobrakeText(const std::string& value) {
    static const char* const kTexts[] = {"RTO", "off", "1", "2", "3", "max"};
    const auto n = ParseNumber(value);
    if (n && *n >= 0 && *n <= 5 && *n == static_cast<int>(*n)) return kTexts[static_cast<int>(*n)];
    return "unknown (" + value + ")";
}

}  // namespace flenmark
