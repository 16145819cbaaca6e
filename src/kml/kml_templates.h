#pragma once

#include <array>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// The 23 KML fragments of "KMLSettings.txt", in the order the loader tests their keys.
enum class Kml {
    Head,
    End,
    Folder,
    FolderEnd,
    LookAt,
    Path,
    PathWarning,
    PlacemarkEnd,
    PathGND,
    PlacemarkPin,
    PlacemarkPinSmall,
    PlacemarkPinSmallAir,
    PlacemarkPinWarning,
    PlacemarkPinWarningAir,
    PinDot,
    PinDotAir,
    Realtime,
    TCASBlue,
    TCASYellow,
    TCASOrange,
    TCASRed,
    PredictedPath,
    PredictedPathGND,
};
inline constexpr size_t kKmlTemplateCount = 23;

// The key of a template in the file, "KML=" and so on.
const char* KmlTemplateKey(Kml which);

struct KmlTemplateSet {
    std::array<std::string, kKmlTemplateCount> texts;
    const std::string& operator[](Kml which) const { return texts[static_cast<size_t>(which)]; }
    std::string& operator[](Kml which) { return texts[static_cast<size_t>(which)]; }
};

// Reads the templates from the text of a template file: a line that begins with a key sets
// that template to the rest of the line after its first "="; the last such line wins.
KmlTemplateSet ParseKmlTemplates(std::string_view fileText);

// A template that lacks a word the generator fills in it.
class TemplateError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Replaces the first occurrence of `word` by `value`. Throws TemplateError when `word` is
// not in `text`.
std::string FillPlaceholder(const std::string& text, std::string_view word, std::string_view value);

// Inserts `insertion` directly behind the first occurrence of `marker`; throws when missing.
std::string InsertBehind(const std::string& text, std::string_view marker,
                         std::string_view insertion);

}  // namespace flenmark

namespace flenmark {

// A template prepared for filling a fixed list of words, in order, the way FillPlaceholder
// does step by step: each word takes the first place in the template where it still stands.
// The places are found once, in the template itself, so a value is never searched for the
// words that follow it (a callsign "ALT1" stays "ALT1"), and filling costs one copy.
// A word may be "</name>" with "</name>" plus a time span as its value.
class TemplateFiller {
  public:
    // Throws TemplateError when a word does not stand in the template at its turn, unless it is
    // one of `optional`: such a word is then left out, and so is its value.
    TemplateFiller(std::string_view text, const std::vector<std::string_view>& words,
                   const std::vector<std::string_view>& optional = {});

    // Appends the filled template; values (strings or string views) in the order of the words.
    template <class Values>
    void appendTo(std::string& out, const Values& values) const {
        for (size_t i = 0; i < slots_.size(); ++i) {
            out += literals_[i];
            if (slots_[i] < std::size(values)) out += values[slots_[i]];
        }
        out += literals_.back();
    }
    std::string fill(const std::vector<std::string_view>& values) const {
        std::string out;
        appendTo(out, values);
        return out;
    }

  private:
    std::vector<std::string> literals_;  // one more than the slots
    std::vector<size_t> slots_;          // which value goes between literal i and i + 1
};

// A template filled in one pass: the words in order, each with its value, as TemplateFiller
// fills them. Throws TemplateError when a word is missing.
struct TemplateWord {
    std::string_view word;
    std::string_view value;
};
std::string FillTemplate(std::string_view text, std::initializer_list<TemplateWord> words);

}  // namespace flenmark
