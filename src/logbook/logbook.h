#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "logbook/kept_flights.h"

namespace flenmark {

// "Logbook.sqlite" in the data folder: an index of the flights kept in the saved tracks folder.
// The kept logs are the truth: a missing or damaged database is made again from them. Every
// operation reports failure by its result and never throws; the recorder goes on without it.
class Logbook {
  public:
    // Opens (creating when missing) the database at `path`. A database that cannot be read is
    // removed and made anew, empty: `rebuilt()` then tells the caller to fill it again. nullptr
    // when it cannot be opened at all.
    static std::unique_ptr<Logbook> Open(const std::string& path);
    ~Logbook();
    Logbook(const Logbook&) = delete;
    Logbook& operator=(const Logbook&) = delete;

    // True when Open found the database damaged or missing and made it anew.
    bool madeAnew() const { return madeAnew_; }
    // Adds the flight or replaces the entry of the same folder. A flight that begins when one
    // in another folder began (the same run kept twice, as an unsaved flight too) is not added.
    bool put(const LogbookEntry& entry);
    // Takes the flight kept in `folder` out; true as well when it was not in.
    bool remove(const std::string& folder);
    // The flight kept in `from` is now in `to` (both full paths ending with "/").
    bool move(const std::string& from, const std::string& to);
    // Every flight, the earliest first; nullopt when the database cannot be read.
    std::optional<std::vector<LogbookEntry>> list() const;
    // Empties the logbook and adds each flight kept under `filesFolder` (each of its folders
    // holding a "Flightlog.txt"): the flights first, the older unsaved logs after them.
    // Returns how many were added, nullopt on failure.
    std::optional<size_t> rebuild(const std::string& filesFolder, const AirportIndex* airports);

  private:
    struct Db;
    explicit Logbook(std::unique_ptr<Db> db, bool madeAnew);
    std::unique_ptr<Db> db_;
    bool madeAnew_ = false;
};

}  // namespace flenmark
