#include "kml/track_folder.h"

#include "app/number_text.h"
#include "app/utc_time.h"
#include "kml/kml_values.h"

namespace flenmark {

std::string PointCoordinates(const std::string& lon, const std::string& lat,
                             const std::string& altFeet, bool onGround) {
    const std::string x = KmlCoordinate(lon);
    const std::string y = KmlCoordinate(lat);
    if (!ParseNumber(x) || !ParseNumber(y)) throw ConversionFault("position is not a number");
    if (onGround) return x + "," + y + " ";
    return x + "," + y + "," + MetresText(altFeet) + " ";
}

std::string PieceOpener(const KmlTemplateSet& t, bool onGround, bool warning,
                        const std::string& warningName) {
    if (onGround) return FillPlaceholder(t[Kml::PathGND], "NAME", "On Ground");
    if (warning) return FillPlaceholder(t[Kml::PathWarning], "NAME", warningName);
    return FillPlaceholder(t[Kml::Path], "NAME", "In the air");
}

namespace {

int GroundFlag(const LogFields& f) {
    const auto g = ParseNumber(f[5]);
    if (!g || (*g != 0 && *g != 1)) throw ConversionFault("on-ground flag must be 0 or 1");
    return static_cast<int>(*g);
}

class TrackBuilder {
public:
    explicit TrackBuilder(const KmlTemplateSet& t) : t_(t) {}

    std::string build(const std::vector<std::string>& lines) {
        size_t i = 0;
        bool rereading = false;  // a line that closed a piece opens the next one
        while (i < lines.size()) {
            const LogFields f(lines[i]);
            if (f.count() < 12) throw ConversionFault("a log line has 13 fields");
            if (!rereading && (i == 0 || StartsRecordingRun(lines[i]))) startRun(f);
            rereading = false;
            if (takePoint(f)) {
                ++i;
            } else {
                rereading = true;
            }
        }
        track_ += pending_ + t_[Kml::PlacemarkEnd] + t_[Kml::FolderEnd];
        return track_;
    }

private:
    void startRun(const LogFields& f) {
        if (!track_.empty()) track_ += pending_ + t_[Kml::PlacemarkEnd] + t_[Kml::FolderEnd];
        pending_.clear();
        pieceGround_ = GroundFlag(f);
        track_ += FillPlaceholder(t_[Kml::Folder], "NAME", "FlightLog " + CorrectDatumTijd(f[1]));
        track_ += PieceOpener(t_, pieceGround_ == 1, false, "");
    }

    // Adds the point to the open piece; false when the point closed the piece and must be
    // read again as the first point of the next one.
    bool takePoint(const LogFields& f) {
        const int ground = GroundFlag(f);
        const std::string& code = f[6];
        const std::string point = PointCoordinates(f[2], f[3], f[4], pieceGround_ == 1);
        if (ground == pieceGround_) {
            pending_ += point;
            if (!justBroken_ && (code == "O" || code == "S")) {
                warning_ = true;
            } else if (!justBroken_ && (code == "OE" || code == "SE")) {
                warning_ = false;
            } else {
                justBroken_ = false;
                return true;
            }
        } else {
            pending_ += point;
        }
        if (warning_ && code == "O") warningName_ = "Overspeed!!";
        if (warning_ && code == "S") warningName_ = "Stall!!";
        justBroken_ = true;
        if (ground == 1) warning_ = false;
        pieceGround_ = ground;
        track_ += pending_ + t_[Kml::PlacemarkEnd];
        track_ += PieceOpener(t_, pieceGround_ == 1, warning_, warningName_);
        pending_.clear();
        return false;
    }

    const KmlTemplateSet& t_;
    std::string track_;
    std::string pending_;
    int pieceGround_ = 0;
    bool warning_ = false;
    std::string warningName_ = "Overspeed!!";
    bool justBroken_ = false;
};

}  // namespace

std::string TrackFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    if (lines.empty()) throw ConversionFault("empty log");
    return FillPlaceholder(t[Kml::Folder], "NAME", "Flight") + TrackBuilder(t).build(lines) +
           t[Kml::FolderEnd];
}

}  // namespace flenmark
