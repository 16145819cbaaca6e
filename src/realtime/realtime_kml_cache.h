#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kml/point_placemarks.h"
#include "kml/track_folder.h"
#include "realtime/realtime_history.h"

namespace flenmark {

// The realtime document's track and placemarks, kept between ticks. "Realtime.txt" is the
// log, which only grows, followed by the current sample: each tick reads only what was
// appended, adds the new log lines once, and finishes with the current sample. A log that
// shrank or changed is read again from its start. What the document holds of the log is kept
// short: every `linesPerPiece` log lines go into the history as a piece written once, so a
// tick costs the same at the tenth hour as at the first minute.
class RealtimeKmlCache {
  public:
    static constexpr size_t kLinesPerPiece = 100;
    explicit RealtimeKmlCache(size_t linesPerPiece = kLinesPerPiece)
        : linesPerPiece_(linesPerPiece) {}

    // Reads what is new in the log and writes the pieces it fills into the history in
    // `historyFolder`. Throws ConversionFault when the log cannot be read or is empty or a piece
    // cannot be written, and TemplateError for a template without a word it needs.
    void update(const KmlTemplateSet& t, const std::string& logPath,
                const std::string& historyFolder);
    // The parts of the track folder and of the placemarks folder: the links to the history,
    // what is kept here and the current sample, as views into what is kept here; valid until
    // the next update.
    void trackParts(std::vector<std::string_view>& out) const;
    void placemarkParts(std::vector<std::string_view>& out) const;
    // Forgets everything, so the next update reads the whole log.
    void reset();

  private:
    void start(const KmlTemplateSet& t, const std::string& logPath,
               const std::string& historyFolder);
    bool stillValid(const std::string& logPath, const std::string& historyFolder,
                    uint64_t size) const;
    void addSettled(const std::string& fresh, const std::vector<std::pair<size_t, size_t>>& lines);
    // Moves the log lines kept here into the history.
    void cut();

    size_t linesPerPiece_;
    const KmlTemplateSet* templates_ = nullptr;
    std::string path_;
    uint64_t inode_ = 0;
    uint64_t settledBytes_ = 0;   // the log lines read and added so far end here
    std::string lastSettledRaw_;  // the last of them with its line end, to see it is still there
    std::optional<TrackBuilder> track_;
    std::optional<PointPlacemarksBuilder> placemarks_;
    size_t keptLines_ = 0;  // log lines added since the last piece went into the history
    RealtimeHistory history_;
    std::string current_;  // the current sample: the file's last line
    // This tick's parts made for the current sample, and the links to the history.
    std::string trackOpener_;
    std::string trackRest_;
    PointPlacemarksBuilder::Texts currentPlacemarks_;
    std::string links_[3];
};

}  // namespace flenmark
