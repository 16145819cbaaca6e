#include "kml/animated_kml.h"

#include <optional>

#include "base/number_text.h"
#include "base/settings.h"
#include "base/text_files.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

// How much traffic text is gathered before it goes to the document's stream: a file stream
// writes a piece of more than a kilobyte straight to the file, without its buffer.
constexpr size_t kWriteBlock = 1 << 16;

// Traffic was recorded when "Traffic.txt" has a first line that is not empty.
bool TrafficRecorded(const std::string& path) {
    const auto lines = ReadLeadingLines(path, 1);
    return lines && !lines->empty() && !lines->front().empty();
}

}  // namespace

ReplayBuilder::ReplayBuilder(const KmlTemplateSet& t, const Settings& settings,
                             const std::string& folder, LogPass* flightLog, TimeTracks& tracks)
    : t_(t),
      settings_(settings),
      folder_(folder),
      wanted_(FileExists(folder + "Animation.txt")),
      log_(flightLog),
      tracks_(tracks),
      events_(t),
      history_(t) {
    if (!wanted_) return;
    traffic_ = TrafficRecorded(folder + "Traffic.txt");
    if (!log_) {
        ownLog_ = std::make_unique<LogPass>(folder + "Flightlog.txt");
        log_ = ownLog_.get();
    }
    log_->addConsumer([this](const std::string& line, bool) { logLine(line); });
}

template <class Step>
void ReplayBuilder::guarded(Step step) {
    if (failed_) return;
    try {
        step();
    } catch (const std::exception& e) {
        fail(e.what());  // the document goes without its replay
    }
}

void ReplayBuilder::fail(const std::string& why) {
    failed_ = true;
    failure_ = why;
}

void ReplayBuilder::logLine(const std::string& line) {
    guarded([&] {
        events_.add(line, text_);
        eventsSpill_.take(text_);
        history_.add(line, text_);
        historySpill_.take(text_);
    });
}

void ReplayBuilder::build() {
    if (!wanted_) return;
    UsableLineReader animation(folder_ + "Animation.txt", LineLayout::Log);
    FrameWriter frames(t_, settings_);
    std::string line;
    size_t count = 0;
    while (!failed_ && animation.next(line)) {
        ++count;
        guarded([&] {
            const TrailLines trail = log_->trailFor(LogFields(line)[1]);
            if (!trail.start) throw ConversionFault("no log to animate");
            frames.add(line, trail, text_);
            frames_.take(text_);
            tracks_.frame(line);
        });
    }
    if (!failed_ && count == 0) fail("Animation.txt holds no usable frame");
    if (!failed_ && !log_->opened()) fail("there is no flight log beside Animation.txt");
    damaged_ += animation.damaged();
}

// The traffic goes into the document as "Traffic.txt" is read: it is by far the largest part of
// the replay, and of what follows it only the time tracks take from it. A line it cannot use is
// left out and counted like a damaged one.
void ReplayBuilder::writeTraffic(TrafficWriter& writer, std::ostream& out) {
    UsableLineReader traffic(folder_ + "Traffic.txt", LineLayout::Traffic);
    std::string line;
    size_t unusable = 0;
    while (traffic.next(line)) {
        try {
            const LogFields fields(line);
            writer.add(fields, text_);
            tracks_.trafficLine(fields);
        } catch (const ConversionFault&) {
            ++unusable;
        }
        if (text_.size() >= kWriteBlock) {  // blocks, not a write of the file per line
            out << text_;
            text_.clear();
        }
    }
    writer.finish(text_);
    out << text_;
    text_.clear();
    damaged_ += traffic.damaged() + unusable;
}

void ReplayBuilder::finish() {
    if (ownLog_) guarded([&] { ownLog_->finish(); });
}

// The opener of the frames' own folder, whose list hides its children and which starts hidden.
// The shipped templates name the folder: only its opener changes. With a template that does
// not, the whole section is rewritten, as it always was, and comes back in `section`.
std::string ReplayBuilder::framesOpener(std::string& section) {
    try {
        return FillTemplate(t_[Kml::Folder], {{"NAME", "Animation"},
                                              {">check<", ">checkHideChildren<"},
                                              {"</name>", "</name><visibility>0</visibility>"}});
    } catch (const TemplateError&) {
    }
    const std::string text = FillPlaceholder(t_[Kml::Folder], "NAME", "Animation") + frames_.text();
    section = InsertBehind(FillPlaceholder(text, ">check<", ">checkHideChildren<"), "</name>",
                           "<visibility>0</visibility>");
    return {};
}

void ReplayBuilder::writeTo(std::ostream& out) {
    if (!wanted_ || failed_) return;
    // Everything the templates make is made before the first byte goes out: a template that
    // fails leaves the document without its replay, not with half of it.
    std::string section, opener, dataFolder, trafficFolder;
    std::optional<TrafficWriter> traffic;
    guarded([&] {
        opener = framesOpener(section);
        dataFolder = FillPlaceholder(t_[Kml::Folder], "NAME", "Animated flight data");
        trafficFolder = FillPlaceholder(t_[Kml::Folder], "NAME", "Animated AI/Online traffic");
        if (traffic_) traffic.emplace(t_, settings_);
    });
    if (failed_) return;
    out << opener;
    if (section.empty())
        frames_.copyTo(out);
    else
        out << section;
    out << dataFolder;
    eventsSpill_.copyTo(out);
    out << t_[Kml::FolderEnd];
    historySpill_.copyTo(out);
    out << t_[Kml::FolderEnd];
    if (traffic) {
        out << trafficFolder;
        writeTraffic(*traffic, out);
        out << t_[Kml::FolderEnd];
    }
    out << t_[Kml::FolderEnd] << t_[Kml::FolderEnd];
}

}  // namespace flenmark
