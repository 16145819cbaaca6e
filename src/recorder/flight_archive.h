#pragma once

#include <string>
#include <vector>

namespace flenmark {

// What became of a flight about to be emptied from the data folder.
struct KeptFlight {
    enum class Result { NothingToKeep, Kept, Failed };
    Result result = Result::NothingToKeep;
    std::string name;  // "Unsaved flight 2009-07-12 14.35"
};

// Moves "Flightlog.txt", "Animation.txt" and "Traffic.txt" of `dataFolder` into a folder of the
// saved tracks folder named "Unsaved flight " + the log's first stamp (yyyy-mm-dd hh.mm; a
// number is added when that name is taken). An empty log has nothing to keep. Failed: the
// files that could not be moved are still in the data folder.
KeptFlight KeepOldFlight(const std::string& dataFolder, const std::string& filesFolder);

// "2009-07-12 14.35" of the first of the lines with a stamp; "" when none has one.
std::string FirstStampName(const std::vector<std::string>& lines);

// `base`, or `base` + " (2)", " (3)"... : the first name not taken in `folder`.
std::string FreeName(const std::string& folder, const std::string& base);

}  // namespace flenmark
