#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// Helpers shared by the KML generators: reading log fields and writing KML values.

// A ":"-separated log line. Missing fields read as empty text.
class LogFields {
  public:
    explicit LogFields(std::string_view line);
    const std::string& operator[](int number) const;  // 1-based, as the log format numbers them
    size_t count() const { return fields_.size(); }

  private:
    std::vector<std::string> fields_;
};

// A coordinate field written with either separator, with "." as KML wants it.
std::string KmlCoordinate(std::string_view field);

// The look of the folders that hold one moment of the replay (a frame, or a second of the
// traffic): their children hidden from the list. The document's head holds it once; the folders
// refer to it as "#frame".
inline constexpr const char* kFrameFolderStyle =
    "<Style id=\"frame\"><ListStyle><listItemType>checkHideChildren</listItemType>"
    "<bgColor>00ffffff</bgColor></ListStyle></Style>";

// A number for KML: "." separator, up to 15 significant digits, no exponent.
std::string KmlNumber(double value);
// A number field as KmlNumber writes its value: the field itself when it already stands so (the
// recorder writes its numbers so), else read and written anew. Throws ConversionFault when it is
// not a number.
std::string KmlNumberOf(std::string_view field);
// A computed longitude or latitude: seven decimals at most (a centimetre), no trailing zeros.
std::string KmlDegrees(double value);

// Feet (a number text in either separator) as metres, "304.8" for "1000".
std::string MetresText(std::string_view feet);

// Escapes the characters XML gives a meaning to, for names that come from people or sims.
std::string XmlText(std::string_view text);

// A 14-digit stamp "20090712143507" as "2009-07-12T14:35:07Z".
std::string StampDateTime(std::string_view stamp);
// ... as "2009-07-12 14:35:07z" (a display name).
std::string StampDisplayName(std::string_view stamp);
// ... as "12-07-2009" and "14:35:07".
std::string StampDate(std::string_view stamp);
std::string StampTime(std::string_view stamp);
// Seconds since 1970 of a 14-digit stamp; nullopt for anything else.
std::optional<int64_t> StampSeconds(std::string_view stamp);

// The stamp one second later, carried into the next day, month and year.
std::string StampPlusOneSecond(std::string_view stamp);

// True for a line of "Flightlog.txt" or "Animation.txt" that starts a recording run: its code is
// "SA" (or "SA=hhmm", the start of a log reset while logging), or its previous-stamp field is
// "-" (no tick before it). Every reader splits a flight into runs with this.
bool StartsRecordingRun(std::string_view line);
// True for a line that stops a recording run: its code is "SO".
bool EndsRecordingRun(std::string_view line);

}  // namespace flenmark
