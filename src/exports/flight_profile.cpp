#include "exports/flight_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/number_text.h"
#include "base/utc_time.h"
#include "exports/profile_labels.h"
#include "kml/event_table.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

struct Event {
    double time;
    std::string label;
    bool warning;
};

struct Ranges {
    double t0 = 0, t1 = 0, altMax = 0, speedMax = 0;
    size_t points = 0;
    std::string firstStamp;  // yyyymmddhhmmss
};

// The label of an event the profile shows, or "" for one it leaves out.
std::string EventLabel(const std::string& code, bool onGround) {
    static const char* kShown[] = {"TO", "TD", "GU", "GD", "FL", "O", "S", "OM", "MM", "IM"};
    const std::string kind = code.substr(0, code.find('='));
    if (std::find(std::begin(kShown), std::end(kShown), kind) == std::end(kShown)) return {};
    const auto event = LookUpEvent(code, onGround);
    if (!event) return {};
    if (kind != "TD") return event->name;
    const auto rate = ParseNumber(code.substr(3, code.find('/') - 3));
    std::string rating = rate ? TouchdownRating(*rate) : "";
    rating = rating.substr(0, rating.find_first_of(",.!"));  // its first words
    return event->name + (rating.empty() ? "" : " (" + rating + ")");
}

// A step between axis ticks that gives about `count` of them: 1, 2 or 5 times a power of ten.
double NiceStep(double span, int count) {
    const double raw = std::max(span, 1.0) / count;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

// Seconds between time ticks: whole minutes or hours.
double TimeStep(double span) {
    for (double s : {60.0, 120.0, 300.0, 600.0, 900.0, 1800.0, 3600.0, 7200.0, 10800.0})
        if (span / s <= 8) return s;
    return 21600;
}

struct Frame {
    double left = 80, right, top = 40, bottom;
    double t0, t1, altTop, speedTop;
    double x(double t) const { return left + (t - t0) / std::max(t1 - t0, 1.0) * (right - left); }
    double yAlt(double a) const { return bottom - a / altTop * (bottom - top); }
    double ySpeed(double s) const { return bottom - s / speedTop * (bottom - top); }
};

}  // namespace

namespace {

struct Colours {
    uint32_t background, text, grid, altitude, speed, event, warning;
};

const Colours kLight{0xffffff, 0x202020, 0xd9d9d9, 0x1f5fbf, 0xc25e00, 0x555555, 0xc62828};
const Colours kDark{0x1e1e1e, 0xe8e8e8, 0x454545, 0x6cb4ff, 0xffae57, 0xbdbdbd, 0xff7070};

using Anchor = FigureText::Anchor;

void Line(Figure& f, double x1, double y1, double x2, double y2, uint32_t colour, double width,
          bool dashed = false) {
    f.shapes.emplace_back(FigureLine{x1, y1, x2, y2, colour, width, dashed});
}

void Text(Figure& f, double x, double y, const std::string& text, Anchor anchor, uint32_t colour,
          int size = 13) {
    f.shapes.emplace_back(FigureText{x, y, text, anchor, colour, size});
}

Ranges MeasureFlight(FlightPoints& points) {
    Ranges r;
    points.forEachPoint([&](const std::string& line) {
        const LogFields f(line);
        const auto t = StampSeconds(f[1]);
        if (!t) return;
        if (r.points++ == 0) r.t0 = static_cast<double>(*t), r.firstStamp = f[1];
        r.t1 = std::max(r.t1, static_cast<double>(*t));
        r.altMax = std::max(r.altMax, NumericValue(f[4]));
        r.speedMax = std::max(r.speedMax, NumericValue(f[11]));
    });
    return r;
}

std::vector<Event> FlightEvents(FlightPoints& points) {
    std::vector<Event> events;
    points.forEachLogLine([&](const std::string& line) {
        const LogFields f(line);
        const auto t = StampSeconds(f[1]);
        const std::string label = EventLabel(f[6], f[5] == "1");
        const std::string kind = f[6].substr(0, f[6].find('='));
        if (t && !label.empty())
            events.push_back({static_cast<double>(*t), label, kind == "O" || kind == "S"});
    });
    return events;
}

// The grid, the ticks and their labels, and the axis titles.
void DrawAxes(Figure& out, const Frame& fr, double altStep, double speedStep, const Colours& c) {
    for (double a = 0; a <= fr.altTop + 0.5; a += altStep) {
        Line(out, fr.left, fr.yAlt(a), fr.right, fr.yAlt(a), c.grid, 1);
        Text(out, fr.left - 8, fr.yAlt(a) + 4, IntText(static_cast<int64_t>(a)), Anchor::End,
             c.altitude);
    }
    for (double s = 0; s <= fr.speedTop + 0.5; s += speedStep)
        Text(out, fr.right + 8, fr.ySpeed(s) + 4, IntText(static_cast<int64_t>(s)), Anchor::Start,
             c.speed);
    const double step = TimeStep(fr.t1 - fr.t0);
    for (double t = std::ceil(fr.t0 / step) * step; t <= fr.t1; t += step) {
        const int64_t day = static_cast<int64_t>(t) % 86400;
        char hhmm[8];
        std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", static_cast<int>(day / 3600),
                      static_cast<int>(day / 60 % 60));
        Line(out, fr.x(t), fr.top, fr.x(t), fr.bottom, c.grid, 1);
        Text(out, fr.x(t), fr.bottom + 18, hhmm, Anchor::Middle, c.text);
    }
    Line(out, fr.left, fr.bottom, fr.right, fr.bottom, c.text, 1.5);
    Text(out, fr.left, fr.top - 14, "Altitude (ft)", Anchor::Start, c.altitude, 14);
    Text(out, fr.right, fr.top - 14, "Ground speed (kt)", Anchor::End, c.speed, 14);
    Text(out, (fr.left + fr.right) / 2, fr.bottom + 40, "Time (UTC)", Anchor::Middle, c.text, 14);
}

// A line through the points, leaving out those that would not move it by half a pixel.
void DrawSeries(Figure& out, FlightPoints& points, const Frame& fr, bool altitude,
                uint32_t colour) {
    FigurePolyline line{{}, colour, 2};
    double lastX = -1, lastY = -1;
    points.forEachPoint([&](const std::string& text) {
        const LogFields f(text);
        const auto t = StampSeconds(f[1]);
        if (!t) return;
        const double x = fr.x(static_cast<double>(*t));
        const double y = altitude ? fr.yAlt(NumericValue(f[4])) : fr.ySpeed(NumericValue(f[11]));
        if (std::abs(x - lastX) < 0.5 && std::abs(y - lastY) < 0.5) return;
        line.points.emplace_back(x, y);
        lastX = x;
        lastY = y;
    });
    out.shapes.emplace_back(std::move(line));
}

// The event labels where they neither overlap nor leave the plot, and each event's dashed line
// from its label (or the plot's top, when the label found no room) down to the time axis.
std::vector<FigureText> PlaceEvents(const std::vector<Event>& events, const Frame& fr,
                                    const Colours& c) {
    std::vector<FigureText> labels;
    for (const Event& e : events)
        labels.push_back(
            {fr.x(e.time), 0, e.label, Anchor::Start, e.warning ? c.warning : c.event, 12});
    return PlaceProfileLabels(labels, {fr.left, fr.top, fr.right - fr.left, fr.bottom - fr.top});
}

void DrawEvents(Figure& out, const std::vector<Event>& events,
                const std::vector<FigureText>& labels, const Frame& fr, const Colours& c) {
    for (size_t i = 0; i < events.size(); ++i) {
        const double x = fr.x(events[i].time);
        const double top = labels[i].text.empty() ? fr.top : TextBox(labels[i]).y;
        Line(out, x, top, x, fr.bottom, events[i].warning ? c.warning : c.event, 1, true);
        if (!labels[i].text.empty()) out.shapes.emplace_back(labels[i]);
    }
}

// How far the scale reaches: a whole number of steps above the highest value, leaving the
// part `room` of the plot's height (the labels' rows, and a tenth at least) free above it.
std::pair<double, double> Scale(double highest, double smallest, double room) {
    const double top = std::max(highest, smallest) / (1 - room);
    const double step = NiceStep(top, 6);
    return {step, std::max(step, std::ceil(top / step) * step)};
}

// "Flightlog · 2009-07-12 · EHAM - EGLL": the flight's name, its first day and its airports.
std::string Title(FlightPoints& points, const ProfileLook& look, const std::string& stamp) {
    std::string name = look.name;
    if (name.empty()) {
        name = points.logPath.substr(points.logPath.find_last_of("/\\") + 1);
        name = name.substr(0, name.rfind('.'));
    }
    std::string title = name;
    if (stamp.size() >= 8)
        title +=
            " \u00b7 " + stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2);
    if (!look.airports.empty()) title += " \u00b7 " + look.airports;
    return title;
}

}  // namespace

std::optional<Figure> DrawProfile(FlightPoints& points, const ProfileLook& look) {
    const Colours& c = look.dark ? kDark : kLight;
    const Ranges r = MeasureFlight(points);
    if (r.points == 0) return std::nullopt;
    const std::vector<Event> events = FlightEvents(points);
    Frame fr;
    fr.right = look.width - 80;
    fr.bottom = look.height - 60;
    fr.top = 64;  // room for the title and the axes' titles
    fr.t0 = r.t0;
    fr.t1 = std::max(r.t1, r.t0 + 60);
    const std::vector<FigureText> labels = PlaceEvents(events, fr, c);
    double labelsBottom = fr.top;
    for (const FigureText& label : labels)
        labelsBottom = std::max(labelsBottom, TextBox(label).y + TextBox(label).height + 4);
    const double room = std::max(0.1, (labelsBottom - fr.top) / (fr.bottom - fr.top));
    // Scales of at least 100 ft and 10 kt, so a flight still on the ground reads as such.
    const auto [altStep, altTop] = Scale(r.altMax, 100, room);
    const auto [speedStep, speedTop] = Scale(r.speedMax, 10, room);
    fr.altTop = altTop;
    fr.speedTop = speedTop;
    Figure figure{look.width, look.height, c.background, {}, {}};
    figure.plot = {fr.left, fr.top, fr.right - fr.left, fr.bottom - fr.top};
    Text(figure, look.width / 2.0, 26, Title(points, look, r.firstStamp), Anchor::Middle, c.text,
         16);
    DrawAxes(figure, fr, altStep, speedStep, c);
    DrawEvents(figure, events, labels, fr, c);
    DrawSeries(figure, points, fr, false, c.speed);
    DrawSeries(figure, points, fr, true, c.altitude);
    return figure;
}

bool WriteProfileSvg(FlightPoints& points, const ProfileLook& look, std::ostream& out) {
    const auto figure = DrawProfile(points, look);
    if (!figure) return false;
    WriteFigureSvg(*figure, out);
    return true;
}

}  // namespace flenmark
