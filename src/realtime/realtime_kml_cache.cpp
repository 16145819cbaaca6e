#include "realtime/realtime_kml_cache.h"

#include <sys/stat.h>

#include <fstream>

#include "base/number_text.h"
#include "base/utf8_path.h"
#include "kml/log_lines.h"

namespace flenmark {
namespace {

std::string ReadRange(const std::string& path, uint64_t from, uint64_t size) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) throw ConversionFault("cannot read " + path);
    in.seekg(static_cast<std::streamoff>(from));
    std::string bytes(size, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

}  // namespace

void RealtimeKmlCache::reset() {
    templates_ = nullptr;
    track_.reset();
    placemarks_.reset();
}

void RealtimeKmlCache::start(const KmlTemplateSet& t, const std::string& logPath,
                             const std::string& historyFolder) {
    reset();
    path_ = logPath;
    settledBytes_ = 0;
    lastSettledRaw_.clear();
    current_.clear();
    keptLines_ = 0;
    history_.start(t, historyFolder);
    track_.emplace(t);
    placemarks_.emplace(t, true);
    templates_ = &t;
}

bool RealtimeKmlCache::stillValid(const std::string& logPath, const std::string& historyFolder,
                                  uint64_t size) const {
    if (!track_ || logPath != path_ || historyFolder != history_.folder() || size < settledBytes_)
        return false;
    if (lastSettledRaw_.empty()) return true;
    const uint64_t at = settledBytes_ - lastSettledRaw_.size();
    return ReadRange(logPath, at, lastSettledRaw_.size()) == lastSettledRaw_;
}

void RealtimeKmlCache::update(const KmlTemplateSet& t, const std::string& logPath,
                              const std::string& historyFolder) {
    struct stat st {};
    if (::stat(logPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        throw ConversionFault("cannot read the log");
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    if (templates_ != &t || static_cast<uint64_t>(st.st_ino) != inode_ ||
        !stillValid(logPath, historyFolder, size)) {
        start(t, logPath, historyFolder);
        inode_ = static_cast<uint64_t>(st.st_ino);
    }
    const std::string fresh = ReadRange(logPath, settledBytes_, size - settledBytes_);
    // Lines with their ends; the last non-empty one is the current sample.
    std::vector<std::pair<size_t, size_t>> lines;  // start, length with the line end
    for (size_t at = 0; at < fresh.size();) {
        size_t end = fresh.find('\n', at);
        end = end == std::string::npos ? fresh.size() : end + 1;
        lines.emplace_back(at, end - at);
        at = end;
    }
    while (!lines.empty() && fresh.find_first_not_of("\r\n", lines.back().first) >=
                                 lines.back().first + lines.back().second)
        lines.pop_back();
    if (lines.empty()) {
        if (current_.empty()) throw ConversionFault("the log is empty");
        return;  // nothing new: last tick's parts stand
    }
    try {
        addSettled(fresh, lines);
    } catch (...) {
        reset();
        throw;
    }
    const std::string last = fresh.substr(lines.back().first, lines.back().second);
    current_ = last.substr(0, last.find_first_of("\r\n"));
    if (!IsUsableLine(current_, LineLayout::Log)) throw ConversionFault("a damaged log line");
    trackOpener_ = track_->opener();
    trackRest_ = track_->rest(&current_);
    currentPlacemarks_ = placemarks_->extra(&current_);
    for (int kind = RealtimeHistory::Track; kind <= RealtimeHistory::Dots; ++kind)
        links_[kind] = history_.link(static_cast<RealtimeHistory::Kind>(kind));
}

void RealtimeKmlCache::addSettled(const std::string& fresh,
                                  const std::vector<std::pair<size_t, size_t>>& lines) {
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string raw = fresh.substr(lines[i].first, lines[i].second);
        const std::string line = raw.substr(0, raw.find_first_of("\r\n"));
        if (IsUsableLine(line, LineLayout::Log)) {  // a damaged line is left out
            track_->add(line);
            placemarks_->add(line, false);
            if (++keptLines_ >= linesPerPiece_) cut();
        }
        settledBytes_ += raw.size();
        lastSettledRaw_ = raw;
    }
    history_.writeIndexes();
}

void RealtimeKmlCache::cut() {
    std::string track;
    track_->cutInto(track);
    history_.add(RealtimeHistory::Track, track);
    PointPlacemarksBuilder::Texts placemarks;
    placemarks_->drainInto(placemarks);
    history_.add(RealtimeHistory::Events, placemarks.events);
    history_.add(RealtimeHistory::Dots, placemarks.dots);
    keptLines_ = 0;
}

void RealtimeKmlCache::trackParts(std::vector<std::string_view>& out) const {
    out.insert(out.end(),
               {trackOpener_, links_[RealtimeHistory::Track], track_->closedPieces(), trackRest_});
}

void RealtimeKmlCache::placemarkParts(std::vector<std::string_view>& out) const {
    const PointPlacemarksBuilder& p = *placemarks_;
    const PointPlacemarksBuilder::Texts& extra = currentPlacemarks_;
    if (!p.hasEvents(extra)) return;  // no event: no folder, no dots
    const std::string& end = (*templates_)[Kml::FolderEnd];
    out.insert(out.end(),
               {p.eventsOpener(), links_[RealtimeHistory::Events], p.texts().events, extra.events});
    if (p.hasDots(extra))
        out.insert(out.end(), {p.dotsOpener(), links_[RealtimeHistory::Dots], p.texts().dots,
                               extra.dots, end});
    out.push_back(end);
}

}  // namespace flenmark
