#include <sqlite3.h>

#include <filesystem>

#include "logbook/kept_flights.h"
#include "logbook/logbook.h"

namespace flenmark {
namespace {

constexpr int kSchemaVersion = 1;
// The recorder never waits longer than this for a reader that holds the database.
constexpr int kBusyTimeoutMs = 200;

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS flights ("
    " folder TEXT PRIMARY KEY, start_utc TEXT NOT NULL, end_utc TEXT NOT NULL,"
    " block_time_s INTEGER NOT NULL, air_time_s INTEGER NOT NULL,"
    " departure TEXT NOT NULL, departure_name TEXT NOT NULL,"
    " arrival TEXT NOT NULL, arrival_name TEXT NOT NULL, aircraft TEXT NOT NULL,"
    " distance_nm REAL NOT NULL, max_altitude_ft INTEGER NOT NULL, landing_rate_fpm INTEGER,"
    " landing_rating TEXT NOT NULL, touchdowns INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS flights_by_start ON flights(start_utc);"
    "PRAGMA user_version = 1;";

const char* const kColumns =
    "folder, start_utc, end_utc, block_time_s, air_time_s, departure, departure_name, arrival,"
    " arrival_name, aircraft, distance_nm, max_altitude_ft, landing_rate_fpm, landing_rating,"
    " touchdowns";

// A prepared statement, finalized when it goes.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool ok() const { return s_ != nullptr; }
    sqlite3_stmt* get() const { return s_; }
    void bind(int i, const std::string& v) {
        sqlite3_bind_text(s_, i, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, int64_t v) { sqlite3_bind_int64(s_, i, v); }
    void bind(int i, double v) { sqlite3_bind_double(s_, i, v); }
    void bind(int i, const std::optional<int64_t>& v) {
        if (v)
            bind(i, *v);
        else
            sqlite3_bind_null(s_, i);
    }
    // Binds the values to ?1, ?2... in their order.
    template <class... Values>
    void bindAll(const Values&... values) {
        int i = 0;
        (bind(++i, values), ...);
    }
    std::string text(int i) const {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
        return t ? t : "";
    }
    int64_t integer(int i) const { return sqlite3_column_int64(s_, i); }

  private:
    sqlite3_stmt* s_ = nullptr;
};

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// True when the database reads whole and holds our table.
bool Sound(sqlite3* db) {
    Statement check(db, "PRAGMA quick_check");
    if (!check.ok() || sqlite3_step(check.get()) != SQLITE_ROW || check.text(0) != "ok")
        return false;
    Statement version(db, "PRAGMA user_version");
    return version.ok() && sqlite3_step(version.get()) == SQLITE_ROW &&
           version.integer(0) == kSchemaVersion;
}

sqlite3* OpenFile(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        db = nullptr;
        // A database the user may only read can still be listed.
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return nullptr;
        }
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return db;
}

void RemoveDatabase(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path + suffix, ec);
}

LogbookEntry EntryOf(const Statement& s) {
    LogbookEntry e;
    e.folder = s.text(0);
    FlightSummary& f = e.flight;
    f.startUtc = s.text(1);
    f.endUtc = s.text(2);
    f.blockTimeS = s.integer(3);
    f.airTimeS = s.integer(4);
    f.departure = s.text(5);
    f.departureName = s.text(6);
    f.arrival = s.text(7);
    f.arrivalName = s.text(8);
    f.aircraft = s.text(9);
    f.distanceNm = sqlite3_column_double(s.get(), 10);
    f.maxAltitudeFt = s.integer(11);
    if (sqlite3_column_type(s.get(), 12) != SQLITE_NULL) f.landingRateFpm = s.integer(12);
    f.landingRating = s.text(13);
    f.touchdowns = s.integer(14);
    return e;
}

}  // namespace

struct Logbook::Db {
    explicit Db(sqlite3* h) : handle(h) {}
    ~Db() { sqlite3_close(handle); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;
    sqlite3* handle;
};

Logbook::Logbook(std::unique_ptr<Db> db, bool madeAnew) : db_(std::move(db)), madeAnew_(madeAnew) {}
Logbook::~Logbook() = default;

std::unique_ptr<Logbook> Logbook::Open(const std::string& path) {
    std::error_code ec;
    bool madeAnew = !std::filesystem::exists(path, ec);
    auto db = std::make_unique<Db>(OpenFile(path));
    if (!db->handle) return nullptr;
    if (!madeAnew && !Sound(db->handle)) {
        // Damaged, or not ours: the kept logs make it again.
        db = std::make_unique<Db>(nullptr);
        RemoveDatabase(path);
        db = std::make_unique<Db>(OpenFile(path));
        if (!db->handle) return nullptr;
        madeAnew = true;
    }
    // Readers (the windows, flenmark-cli) never block the recorder's writes, nor it theirs.
    Exec(db->handle, "PRAGMA journal_mode=WAL");
    // An index of the kept logs: a write lost to a power cut is made again by a rebuild.
    Exec(db->handle, "PRAGMA synchronous=NORMAL");
    if (madeAnew) Exec(db->handle, kSchema);
    return std::unique_ptr<Logbook>(new Logbook(std::move(db), madeAnew));
}

bool Logbook::put(const LogbookEntry& entry) {
    sqlite3* db = db_->handle;
    {
        Statement same(db, "SELECT 1 FROM flights WHERE start_utc = ?1 AND folder <> ?2");
        if (!same.ok()) return false;
        same.bind(1, entry.flight.startUtc);
        same.bind(2, entry.folder);
        if (sqlite3_step(same.get()) == SQLITE_ROW) return true;
    }
    Statement s(db, (std::string("INSERT OR REPLACE INTO flights (") + kColumns +
                     ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)")
                        .c_str());
    if (!s.ok()) return false;
    const FlightSummary& f = entry.flight;
    s.bindAll(entry.folder, f.startUtc, f.endUtc, f.blockTimeS, f.airTimeS, f.departure,
              f.departureName, f.arrival, f.arrivalName, f.aircraft, f.distanceNm, f.maxAltitudeFt,
              f.landingRateFpm, f.landingRating, f.touchdowns);
    return sqlite3_step(s.get()) == SQLITE_DONE;
}

bool Logbook::remove(const std::string& folder) {
    Statement s(db_->handle, "DELETE FROM flights WHERE folder = ?1");
    if (!s.ok()) return false;
    s.bind(1, folder);
    return sqlite3_step(s.get()) == SQLITE_DONE;
}

bool Logbook::move(const std::string& from, const std::string& to) {
    Statement s(db_->handle, "UPDATE flights SET folder = ?2 WHERE folder = ?1");
    if (!s.ok()) return false;
    s.bindAll(from, to);
    return sqlite3_step(s.get()) == SQLITE_DONE;
}

std::optional<std::vector<LogbookEntry>> Logbook::list() const {
    Statement s(
        db_->handle,
        (std::string("SELECT ") + kColumns + " FROM flights ORDER BY start_utc, folder").c_str());
    if (!s.ok()) return std::nullopt;
    std::vector<LogbookEntry> entries;
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) entries.push_back(EntryOf(s));
    if (rc != SQLITE_DONE) return std::nullopt;
    return entries;
}

std::optional<size_t> Logbook::rebuild(const std::string& filesFolder,
                                       const AirportIndex* airports) {
    sqlite3* db = db_->handle;
    if (!Exec(db, "BEGIN IMMEDIATE")) return std::nullopt;
    bool ok = Exec(db, "DELETE FROM flights");
    for (const std::string& folder : KeptFlightFolders(filesFolder)) {
        if (!ok) break;
        const auto entry = ReadKeptFlight(folder, airports);
        if (!entry || entry->flight.startUtc.empty()) continue;
        ok = put(*entry);
    }
    if (!ok || !Exec(db, "COMMIT")) {
        Exec(db, "ROLLBACK");
        return std::nullopt;
    }
    Statement count(db, "SELECT count(*) FROM flights");
    if (!count.ok() || sqlite3_step(count.get()) != SQLITE_ROW) return std::nullopt;
    return static_cast<size_t>(count.integer(0));
}

}  // namespace flenmark
