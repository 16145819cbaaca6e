#include "exports/flight_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/number_text.h"
#include "base/utc_time.h"
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
        if (r.points++ == 0) r.t0 = static_cast<double>(*t);
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

// Each event as a dashed line and its label, in the first of four rows where the label does
// not run into the one before it.
void DrawEvents(Figure& out, const std::vector<Event>& events, const Frame& fr, double pictureWidth,
                const Colours& c) {
    double rowEnd[4] = {-1e9, -1e9, -1e9, -1e9};
    for (const Event& e : events) {
        const double x = fr.x(e.time);
        const double width = 7.0 * static_cast<double>(e.label.size()) + 8;
        int row = 0;
        while (row < 3 && rowEnd[row] > x) ++row;
        rowEnd[row] = x + width;
        const uint32_t colour = e.warning ? c.warning : c.event;
        const double y = fr.top + 14 + 16 * row;
        // A label that would leave the picture ends at its line instead.
        const bool before = x + width > pictureWidth;
        Line(out, x, y + 3, x, fr.bottom, colour, 1, true);
        Text(out, before ? x - 3 : x + 3, y, e.label, before ? Anchor::End : Anchor::Start, colour,
             12);
    }
}

}  // namespace

std::optional<Figure> DrawProfile(FlightPoints& points, const ProfileLook& look) {
    const Colours& c = look.dark ? kDark : kLight;
    const Ranges r = MeasureFlight(points);
    if (r.points == 0) return std::nullopt;
    const std::vector<Event> events = FlightEvents(points);
    // Scales of at least 100 ft and 10 kt, so a flight still on the ground reads as such.
    const double altStep = NiceStep(std::max(r.altMax, 100.0), 6);
    const double speedStep = NiceStep(std::max(r.speedMax, 10.0), 6);
    Frame fr;
    fr.right = look.width - 80;
    fr.bottom = look.height - 60;
    fr.top = 100;  // room for the rows of event labels
    fr.t0 = r.t0;
    fr.t1 = std::max(r.t1, r.t0 + 60);
    fr.altTop = std::max(altStep, std::ceil(r.altMax / altStep) * altStep);
    fr.speedTop = std::max(speedStep, std::ceil(r.speedMax / speedStep) * speedStep);
    Figure figure{look.width, look.height, c.background, {}, {}};
    figure.plot = {fr.left, fr.top, fr.right - fr.left, fr.bottom - fr.top};
    DrawAxes(figure, fr, altStep, speedStep, c);
    DrawEvents(figure, events, fr, look.width, c);
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
