#pragma once

#include <string>

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

}  // namespace flenmark
