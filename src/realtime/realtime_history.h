#pragma once

#include <array>
#include <string>
#include <string_view>

#include "kml/kml_templates.h"

namespace flenmark {

// The folder beside "Realtime.kml" that holds the finished part of the flight, ending with "/".
std::string RealtimeHistoryFolder(const std::string& kmlPath);

// The finished part of the realtime document, kept in pieces that are written once each: the
// track, the event pins and the data dots of a stretch of the log, each a document of its own,
// listed by one index document per kind, which the live document links where that kind stands.
// A piece's documents are written before the index that lists them, and the index before the
// live document: a viewer reading them in between sees a stretch twice, never a gap.
class RealtimeHistory {
  public:
    enum Kind { Track, Events, Dots };

    // Starts a history in `folder` (ending with "/"): made when missing, the documents of an
    // earlier history removed. Throws ConversionFault when the folder cannot be made.
    void start(const KmlTemplateSet& t, const std::string& folder);
    // Writes `text` (placemarks, or whole folders of them) as the next piece of its kind;
    // nothing for an empty text. Throws ConversionFault when it cannot be written.
    void add(Kind kind, std::string_view text);
    // Rewrites the index of each kind that got a piece since the last call. Throws
    // ConversionFault when it cannot be written.
    void writeIndexes();
    // The network link to a kind's index, for the live document in the folder above; empty
    // while the kind has no piece.
    std::string link(Kind kind) const;
    const std::string& folder() const { return folder_; }

  private:
    const KmlTemplateSet* t_ = nullptr;
    std::string folder_;
    std::array<int, 3> pieces_{};
    std::array<bool, 3> changed_{};
};

}  // namespace flenmark
