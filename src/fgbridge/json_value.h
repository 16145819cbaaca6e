#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace flenmark::fgbridge {

// A parsed JSON value: enough for FlightGear's property server answers.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;                            // Array
    std::vector<std::pair<std::string, JsonValue>> members;  // Object, in order

    const JsonValue* member(const std::string& name) const;
};

// nullopt for text that is not JSON.
std::optional<JsonValue> ParseJson(const std::string& text);

}  // namespace flenmark::fgbridge
