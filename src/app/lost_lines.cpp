#include "app/lost_lines.h"

#include <vector>

namespace flenmark {

std::string LostLinesText(const LostLines& lost) {
    std::vector<std::string> parts;
    const std::pair<size_t, const char*> logs[] = {{lost.flightLog, "Flightlog.txt"},
                                                   {lost.animation, "Animation.txt"},
                                                   {lost.traffic, "Traffic.txt"}};
    for (const auto& [count, name] : logs) {
        if (count == 0) continue;
        std::string part = std::to_string(count);
        if (parts.empty())
            part += count == 1 ? " line could not be written" : " lines could not be written";
        parts.push_back(part + " to " + name);
    }
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

}  // namespace flenmark
