#pragma once

#include <optional>
#include <string>
#include <vector>

namespace flenmark::fgbridge {

struct JsonMember;

// A parsed JSON value: enough for FlightGear's property server answers.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;     // Array
    std::vector<JsonMember> members;  // Object, in order

    const JsonValue* member(const std::string& name) const;
};

// One name and value of an object.
struct JsonMember {
    std::string name;
    JsonValue value;
};

// nullopt for text that is not JSON.
std::optional<JsonValue> ParseJson(const std::string& text);

}  // namespace flenmark::fgbridge
