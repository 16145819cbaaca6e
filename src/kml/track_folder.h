#pragma once

#include <string>
#include <vector>

#include "kml/kml_templates.h"
#include "kml/kml_values.h"
#include "kml/line_piece.h"

namespace flenmark {

// The "Flight" folder: one folder per recording run, holding the flown track as line pieces
// split where the aircraft landed, took off, or began or ended an overspeed or stall.
// Throws ConversionFault or TemplateError on a line or template it cannot use.
std::string TrackFolder(const KmlTemplateSet& t, const std::vector<std::string>& lines);

// The track built line by line, so that a log that only grows is not read again: the
// realtime tracking adds the settled lines once and finishes with the current sample.
class TrackBuilder {
  public:
    explicit TrackBuilder(const KmlTemplateSet& t);
    // Throws ConversionFault or TemplateError on a line or template it cannot use.
    void add(const std::string& line);
    // Appends the "Flight" folder: the lines added so far and, when given, one more line that
    // is not kept.
    void finishInto(std::string& out, const std::string* extraLine) const;

    // The same folder in three parts, so a caller can write it without joining them: the
    // opener, the pieces closed so far (kept here), and the rest: the open piece and the extra
    // line.
    std::string opener() const;
    const std::string& closedPieces() const { return track_; }
    std::string rest(const std::string* extraLine) const;
    // Moves the text made so far (after the opener) to `out`, for a caller that writes the
    // folder as it grows; rest(nullptr) then gives what is still to come.
    void drainInto(std::string& out);
    // Moves the text made so far (after the opener) to `out` as a whole part of the folder, for a
    // caller that keeps the folder in parts: the open run folder is closed there and opened again
    // here, and the open piece is cut where it stands, going on from its last point.
    void cutInto(std::string& out);

  private:
    void startRun(const LogFields& f);
    // Adds the point to the open piece; false when the point closed the piece and must be
    // taken again as the first point of the next one.
    bool takePoint(const LogFields& f);

    const KmlTemplateSet* t_;
    size_t lines_ = 0;
    std::string track_;      // the pieces closed so far
    std::string runOpener_;  // the folder of the recording run being drawn
    LinePiece piece_;        // the open piece
    int pieceGround_ = 0;
    bool warning_ = false;
    std::string warningName_ = "Overspeed!!";
    bool justBroken_ = false;
};

// The coordinate text of a log point: "lon,lat,metres " in the air, "lon,lat " on the ground.
std::string PointCoordinates(const std::string& lon, const std::string& lat,
                             const std::string& altFeet, bool onGround);

// The opener of a line piece: "On Ground", the warning name, or "In the air".
std::string PieceOpener(const KmlTemplateSet& t, bool onGround, bool warning,
                        const std::string& warningName);

}  // namespace flenmark
