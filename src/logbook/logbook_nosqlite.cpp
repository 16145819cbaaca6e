#include "logbook/logbook.h"

// A build without SQLite keeps the flights' folders but no logbook over them.
namespace flenmark {

struct Logbook::Db {};

Logbook::Logbook(std::unique_ptr<Db> db, bool madeAnew) : db_(std::move(db)), madeAnew_(madeAnew) {}
Logbook::~Logbook() = default;
std::unique_ptr<Logbook> Logbook::Open(const std::string&) {
    return nullptr;
}
bool Logbook::put(const LogbookEntry&) {
    return false;
}
bool Logbook::remove(const std::string&) {
    return false;
}
bool Logbook::move(const std::string&, const std::string&) {
    return false;
}
std::optional<std::vector<LogbookEntry>> Logbook::list() const {
    return std::nullopt;
}
std::optional<size_t> Logbook::rebuild(const std::string&, const AirportIndex*) {
    return std::nullopt;
}

}  // namespace flenmark
