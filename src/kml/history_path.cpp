#include "base/utc_time.h"
#include "kml/kml_values.h"
#include "kml/replay_parts.h"
#include "kml/track_folder.h"

namespace flenmark {

std::string HistoryPathKml(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    std::string out = FillPlaceholder(t[Kml::Folder], "NAME", "History Path");
    bool warning = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const LogFields a(lines[i == 0 ? 0 : i - 1]);
        const LogFields b(lines[i]);
        const std::string span =
            "<TimeSpan><begin>" + StampDateTime(StampPlusOneSecond(b[1])) + "</begin></TimeSpan>";
        const bool ground = a[5] == "1";
        std::string opener;
        if (ground) {
            opener = FillPlaceholder(t[Kml::PathGND], "NAME", CorrectDatumTijd(b[1]));
            warning = false;
        } else if (warning) {
            opener = FillPlaceholder(t[Kml::PathWarning], "NAME", "Warning!");
        } else {
            opener = FillPlaceholder(t[Kml::Path], "NAME", CorrectDatumTijd(b[1]));
        }
        out += InsertBehind(opener, "</name>", span);
        out += PointCoordinates(a[2], a[3], a[4], ground);
        std::string end = PointCoordinates(b[2], b[3], b[4], ground);
        end.pop_back();  // no blank after the last point
        out += end + t[Kml::PlacemarkEnd];
        const std::string& code = b[6];
        if (code == "O" || code == "S") warning = true;
        if (code == "OE" || code == "SE") warning = false;
    }
    return out + t[Kml::FolderEnd];
}

}  // namespace flenmark
