#include "fgbridge/json_value.h"

#include <charconv>
#include <cstdlib>

namespace flenmark::fgbridge {
namespace {

class Parser {
  public:
    explicit Parser(const std::string& text) : s_(text) {}

    bool parse(JsonValue& out) {
        if (!value(out, 0)) return false;
        skip();
        return pos_ == s_.size();
    }

  private:
    void skip() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }
    bool literal(const char* word) {
        const std::string w(word);
        if (s_.compare(pos_, w.size(), w) != 0) return false;
        pos_ += w.size();
        return true;
    }
    bool string(std::string& out) {
        if (s_[pos_] != '"') return false;
        ++pos_;
        while (pos_ < s_.size() && s_[pos_] != '"') {
            char c = s_[pos_++];
            if (c == '\\' && pos_ < s_.size()) {
                const char e = s_[pos_++];
                if (e == 'n')
                    c = '\n';
                else if (e == 't')
                    c = '\t';
                else if (e == 'u') {
                    if (pos_ + 4 > s_.size()) return false;
                    const long code = std::strtol(s_.substr(pos_, 4).c_str(), nullptr, 16);
                    pos_ += 4;
                    c = code < 128 ? static_cast<char>(code) : '?';
                } else
                    c = e;
            }
            out += c;
        }
        if (pos_ >= s_.size()) return false;
        ++pos_;
        return true;
    }
    bool number(double& out) {
        const size_t start = pos_;
        while (pos_ < s_.size() &&
               std::string_view("+-0123456789.eE").find(s_[pos_]) != std::string_view::npos)
            ++pos_;
        const auto r = std::from_chars(s_.data() + start, s_.data() + pos_, out);
        return pos_ > start && r.ec == std::errc() && r.ptr == s_.data() + pos_;
    }
    bool value(JsonValue& v, int depth) {
        skip();
        if (pos_ >= s_.size() || depth > 64) return false;
        const char c = s_[pos_];
        if (c == '{') return object(v, depth);
        if (c == '[') return array(v, depth);
        if (c == '"') return v.kind = JsonValue::Kind::String, string(v.text);
        if (literal("true")) return v.kind = JsonValue::Kind::Bool, v.boolean = true, true;
        if (literal("false")) return v.kind = JsonValue::Kind::Bool, true;
        if (literal("null")) return true;
        v.kind = JsonValue::Kind::Number;
        return number(v.number);
    }
    bool array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++pos_;
        skip();
        if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
        for (;;) {
            v.items.emplace_back();
            if (!value(v.items.back(), depth + 1)) return false;
            skip();
            if (pos_ >= s_.size()) return false;
            if (s_[pos_++] == ']') return true;
            if (s_[pos_ - 1] != ',') return false;
        }
    }
    bool object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++pos_;
        skip();
        if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
        for (;;) {
            skip();
            std::string name;
            if (pos_ >= s_.size() || !string(name)) return false;
            skip();
            if (pos_ >= s_.size() || s_[pos_++] != ':') return false;
            v.members.push_back({name, JsonValue{}});
            if (!value(v.members.back().value, depth + 1)) return false;
            skip();
            if (pos_ >= s_.size()) return false;
            if (s_[pos_++] == '}') return true;
            if (s_[pos_ - 1] != ',') return false;
        }
    }

    const std::string& s_;
    size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(const std::string& name) const {
    for (const JsonMember& m : members)
        if (m.name == name) return &m.value;
    return nullptr;
}

std::optional<JsonValue> ParseJson(const std::string& text) {
    JsonValue v;
    if (!Parser(text).parse(v)) return std::nullopt;
    return v;
}

}  // namespace flenmark::fgbridge
