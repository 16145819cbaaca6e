#include <cmath>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "base/settings.h"
#include "base/utc_time.h"
#include "kml/kml_values.h"
#include "kml/line_piece.h"
#include "kml/point_placemarks.h"
#include "kml/replay_parts.h"
#include "kml/track_folder.h"

namespace flenmark {
namespace {

constexpr double kPi = 3.14159265;

// The short trail of one frame: from the last logged point before the frame to the aircraft.
// The warning state carries from frame to frame; everything else starts afresh.
class FrameTrail {
  public:
    FrameTrail(const KmlTemplateSet& t, bool& warning, std::string& warningName)
        : t_(t), warning_(warning), warningName_(warningName) {}

    // Adds one record; `startsFolder` opens a new "FlightLog" folder before it.
    void add(const LogFields& f, bool startsFolder, bool ownLine) {
        if (startsFolder) openFolder(f);
        for (;;) {
            const int ground = f[5] == "1" ? 1 : 0;
            const std::string& code = f[6];
            const std::string point = PointCoordinates(f[2], f[3], f[4], pieceGround_ == 1);
            bool ends = ground != pieceGround_;
            if (!ends) {
                piece_.add(point);
                const bool start = code == "O" || code == "S";
                const bool end = code == "OE" || code == "SE";
                if (start) warning_ = true;
                if (end) warning_ = false;
                ends = (start || end) && !justBroken_;
                if (!ends) {
                    justBroken_ = false;
                    return;
                }
                if (start) warningName_ = code == "O" ? "Overspeed!!" : "Stall!!";
            }
            justBroken_ = true;
            piece_.add(point);
            piece_.closeInto(text_, t_[Kml::PlacemarkEnd]);
            pieceGround_ = ground;
            if (ground == 1) warning_ = false;
            piece_.open(PieceOpener(t_, ground == 1, warning_, warningName_));
            if (ownLine) return;  // the new piece stays without points: it is not drawn
        }
    }

    // The trail's pieces, closed, with the folders they opened.
    std::string finish() {
        piece_.closeInto(text_, t_[Kml::PlacemarkEnd]);
        return text_ + t_[Kml::FolderEnd];
    }

  private:
    void openFolder(const LogFields& f) {
        if (folderOpen_) {
            piece_.closeInto(text_, t_[Kml::PlacemarkEnd]);
            text_ += t_[Kml::FolderEnd];
        }
        folderOpen_ = true;
        pieceGround_ = f[5] == "1" ? 1 : 0;
        text_ += FillPlaceholder(t_[Kml::Folder], "NAME", "FlightLog " + CorrectDatumTijd(f[1]));
        piece_.open(warning_ ? FillPlaceholder(t_[Kml::PathWarning], "NAME", warningName_)
                             : PieceOpener(t_, pieceGround_ == 1, false, ""));
    }

    const KmlTemplateSet& t_;
    bool& warning_;
    std::string& warningName_;
    std::string text_;
    LinePiece piece_;
    int pieceGround_ = 0;
    bool justBroken_ = false;
    bool folderOpen_ = false;
};

std::string PredictedPath(const KmlTemplateSet& t, const Settings& s, const LogFields& f) {
    const std::string lon = KmlCoordinate(f[2]);
    const std::string lat = KmlCoordinate(f[3]);
    const double x = NumericValue(lon), y = NumericValue(lat);
    const double gs = NumericValue(f[11]), hdg = NumericValue(f[12]) * kPi / 180;
    const double predLon = x + std::sin(hdg) * LonDegreesPerSecond(gs, x, y) * s.PredPathMultiplier;
    const double predLat = y + std::cos(hdg) * LatDegreesPerSecond(gs, x, y) * s.PredPathMultiplier;
    const double altFt = NumericValue(f[4]);
    const double predAltM = (altFt + NumericValue(f[10]) / 60 * s.PredPathMultiplier) * 0.3048;
    if (f[5] == "1") {
        return FillPlaceholder(t[Kml::PredictedPathGND], "NAME", "Predicted Flightpath") + lon +
               "," + lat + " " + KmlDegrees(predLon) + "," + KmlDegrees(predLat) +
               t[Kml::PlacemarkEnd];
    }
    return FillPlaceholder(t[Kml::PredictedPath], "NAME", "Predicted Flightpath") + lon + "," +
           lat + "," + KmlNumber(altFt * 0.3048) + " " + KmlDegrees(predLon) + "," +
           KmlDegrees(predLat) + "," + KmlNumber(predAltM) + t[Kml::PlacemarkEnd];
}

std::string AircraftMarker(const KmlTemplateSet& t, const Settings& s, const LogFields& f) {
    const std::string name = "Your aircraft: alt=" + f[4] + " spd=" + f[11] + " hdg=" + f[12];
    const bool ground = f[5] == "1";
    const std::string range =
        ground ? IntText(s.GNDRange) : KmlNumber(NumericValue(f[8]) * 1.2 + 500);
    return AircraftPin(t, KmlCoordinate(f[3]), KmlCoordinate(f[2]), name, f[12], range,
                       ground ? std::nullopt : std::optional(MetresText(f[4])));
}

// The log lines of a frame's trail in lines held in memory; `cursor` moves forward frame by
// frame.
TrailLines TrailOf(const std::vector<std::string>& log, const std::string& frameStamp,
                   size_t& cursor) {
    if (log.size() == 1) return {&log[0], &log[0], true};
    cursor = std::max<size_t>(cursor, 1);
    while (cursor < log.size() - 1 && LogFields(log[cursor])[1] < frameStamp) ++cursor;
    return {&log[cursor - 1], &log[cursor], false};
}

}  // namespace

void FrameWriter::add(const std::string& line, const TrailLines& lines, std::string& out) {
    const LogFields f(line);
    const std::string& stamp = f[1];
    // From the second after the frame before to this one; the first frame and one as late as the
    // one before show for their own second only.
    const std::string begin = previousStamp_.empty() || previousStamp_ >= stamp
                                  ? stamp
                                  : std::min(StampPlusOneSecond(previousStamp_), stamp);
    previousStamp_ = stamp;
    FrameTrail trail(t_, warning_, warningName_);
    const bool logRecord = LogFields(*lines.start)[1] < stamp && !lines.startIsLast;
    if (logRecord) trail.add(LogFields(*lines.start), true, false);
    trail.add(f, !logRecord || StartsRecordingRun(*lines.found), true);
    out += "<Folder><name>" + StampDisplayName(stamp) + "</name><TimeSpan><begin>" +
           StampDateTime(begin) + "</begin><end>" + StampDateTime(stamp) +
           "</end></TimeSpan><styleUrl>#frame</styleUrl>";
    out += trail.finish();
    out += PredictedPath(t_, settings_, f);
    out += AircraftMarker(t_, settings_, f);
    out += t_[Kml::FolderEnd];
}

void AnimationFramesKml(const KmlTemplateSet& t, const Settings& s,
                        const std::vector<std::string>& animation,
                        const std::vector<std::string>& log, std::string& out) {
    FrameWriter writer(t, s);
    size_t cursor = 1;
    for (const std::string& line : animation)
        writer.add(line, TrailOf(log, LogFields(line)[1], cursor), out);
}

}  // namespace flenmark
