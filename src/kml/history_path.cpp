#include "base/utc_time.h"
#include "kml/kml_values.h"
#include "kml/replay_parts.h"
#include "kml/track_folder.h"

namespace flenmark {

void HistoryPathWriter::add(const std::string& line, std::string& out) {
    if (previous_.empty()) {
        out += FillPlaceholder(t_[Kml::Folder], "NAME", "History Path");
        previous_ = line;  // the first line joins itself
    }
    const LogFields a(previous_);
    const LogFields b(line);
    const std::string span =
        "<TimeSpan><begin>" + StampDateTime(StampPlusOneSecond(b[1])) + "</begin></TimeSpan>";
    const bool ground = a[5] == "1";
    if (ground) warning_ = false;
    const std::string& opener = ground     ? t_[Kml::PathGND]
                                : warning_ ? t_[Kml::PathWarning]
                                           : t_[Kml::Path];
    const std::string name = ground || !warning_ ? CorrectDatumTijd(b[1]) : "Warning!";
    out += FillTemplate(opener, {{"NAME", name}, {"</name>", "</name>" + span}});
    out += PointCoordinates(a[2], a[3], a[4], ground);
    std::string end = PointCoordinates(b[2], b[3], b[4], ground);
    end.pop_back();  // no blank after the last point
    out += end + t_[Kml::PlacemarkEnd];
    const std::string& code = b[6];
    if (code == "O" || code == "S") warning_ = true;
    if (code == "OE" || code == "SE") warning_ = false;
    previous_ = line;
}

std::string HistoryPathKml(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    HistoryPathWriter writer(t);
    std::string out;
    for (const std::string& line : lines) writer.add(line, out);
    if (lines.empty()) out = FillPlaceholder(t[Kml::Folder], "NAME", "History Path");
    return out + t[Kml::FolderEnd];
}

}  // namespace flenmark
