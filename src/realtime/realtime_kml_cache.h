#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kml/point_placemarks.h"
#include "kml/track_folder.h"

namespace flenmark {

// The realtime document's track and placemarks, kept between ticks. "Realtime.txt" is the
// log, which only grows, followed by the current sample: each tick reads only what was
// appended, adds the new log lines once, and finishes with the current sample. A log that
// shrank or changed is read again from its start.
class RealtimeKmlCache {
  public:
    // Reads what is new in the log. Throws ConversionFault when it cannot be read or is empty,
    // and TemplateError for a template without a word it needs.
    void update(const KmlTemplateSet& t, const std::string& logPath);
    // The parts of the track folder and of the placemarks folder with the current sample, as
    // views into what is kept here; valid until the next update.
    void trackParts(std::vector<std::string_view>& out) const;
    void placemarkParts(std::vector<std::string_view>& out) const;
    // Forgets everything, so the next update reads the whole log.
    void reset();

  private:
    void start(const KmlTemplateSet& t, const std::string& logPath);
    bool stillValid(const std::string& logPath, uint64_t size) const;

    const KmlTemplateSet* templates_ = nullptr;
    std::string path_;
    uint64_t inode_ = 0;
    uint64_t settledBytes_ = 0;   // the log lines read and added so far end here
    std::string lastSettledRaw_;  // the last of them with its line end, to see it is still there
    std::optional<TrackBuilder> track_;
    std::optional<PointPlacemarksBuilder> placemarks_;
    std::string current_;  // the current sample: the file's last line
    // This tick's parts made for the current sample.
    std::string trackOpener_;
    std::string trackRest_;
    PointPlacemarksBuilder::Texts currentPlacemarks_;
};

}  // namespace flenmark
