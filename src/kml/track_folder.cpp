#include "kml/track_folder.h"

#include "base/number_text.h"
#include "base/utc_time.h"
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

}  // namespace

TrackBuilder::TrackBuilder(const KmlTemplateSet& t) : t_(&t) {}

void TrackBuilder::add(const std::string& line) {
    const LogFields f(line);
    if (f.count() < 12) throw ConversionFault("a log line has 13 fields");
    if (lines_ == 0 || StartsRecordingRun(line)) startRun(f);
    ++lines_;
    // A point that closes a piece opens the next one as well.
    if (!takePoint(f)) takePoint(f);
}

std::string TrackBuilder::opener() const {
    return FillPlaceholder((*t_)[Kml::Folder], "NAME", "Flight");
}

std::string TrackBuilder::rest(const std::string* extraLine) const {
    if (lines_ == 0 && !extraLine) throw ConversionFault("empty log");
    std::string out;
    // The open piece goes through a copy of the state, with the extra line if there is one.
    TrackBuilder copy = *this;
    copy.track_.clear();
    if (extraLine) copy.add(*extraLine);
    out = std::move(copy.track_);
    copy.piece_.closeInto(out, (*t_)[Kml::PlacemarkEnd]);
    out += (*t_)[Kml::FolderEnd];
    out += (*t_)[Kml::FolderEnd];
    return out;
}

void TrackBuilder::drainInto(std::string& out) {
    out += track_;
    track_.clear();
    piece_.drainInto(out);
}

void TrackBuilder::cutInto(std::string& out) {
    if (lines_ == 0) return;
    out += track_;
    piece_.cutInto(out, (*t_)[Kml::PlacemarkEnd]);
    out += (*t_)[Kml::FolderEnd];
    track_ = runOpener_;
}

void TrackBuilder::finishInto(std::string& out, const std::string* extraLine) const {
    const std::string tail = rest(extraLine);
    out += opener();
    out += track_;
    out += tail;
}

void TrackBuilder::startRun(const LogFields& f) {
    const KmlTemplateSet& t = *t_;
    if (lines_ > 0) {
        piece_.closeInto(track_, t[Kml::PlacemarkEnd]);
        track_ += t[Kml::FolderEnd];
    }
    pieceGround_ = GroundFlag(f);
    runOpener_ = FillPlaceholder(t[Kml::Folder], "NAME", "FlightLog " + CorrectDatumTijd(f[1]));
    track_ += runOpener_;
    piece_.open(PieceOpener(t, pieceGround_ == 1, false, ""));
}

bool TrackBuilder::takePoint(const LogFields& f) {
    const int ground = GroundFlag(f);
    const std::string& code = f[6];
    piece_.add(PointCoordinates(f[2], f[3], f[4], pieceGround_ == 1));
    if (ground == pieceGround_) {
        if (!justBroken_ && (code == "O" || code == "S")) {
            warning_ = true;
        } else if (!justBroken_ && (code == "OE" || code == "SE")) {
            warning_ = false;
        } else {
            justBroken_ = false;
            return true;
        }
    }
    if (warning_ && code == "O") warningName_ = "Overspeed!!";
    if (warning_ && code == "S") warningName_ = "Stall!!";
    justBroken_ = true;
    if (ground == 1) warning_ = false;
    pieceGround_ = ground;
    piece_.closeInto(track_, (*t_)[Kml::PlacemarkEnd]);
    piece_.open(PieceOpener(*t_, pieceGround_ == 1, warning_, warningName_));
    return false;
}

std::string TrackFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines) {
    TrackBuilder builder(t);
    for (const std::string& line : lines) builder.add(line);
    std::string out;
    builder.finishInto(out, nullptr);
    return out;
}

}  // namespace flenmark
