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

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", v);
    return b;
}

struct Frame {
    double left = 80, right, top = 40, bottom;
    double t0, t1, altTop, speedTop;
    double x(double t) const { return left + (t - t0) / std::max(t1 - t0, 1.0) * (right - left); }
    double yAlt(double a) const { return bottom - a / altTop * (bottom - top); }
    double ySpeed(double s) const { return bottom - s / speedTop * (bottom - top); }
};

std::string Text(double x, double y, const std::string& text, const char* anchor,
                 const char* colour, int size = 13) {
    return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" text-anchor=\"" + anchor +
           "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"" + std::to_string(size) +
           "\" fill=\"" + colour + "\">" + XmlText(text) + "</text>";
}

std::string Line(double x1, double y1, double x2, double y2, const char* colour, double width) {
    return "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" +
           Num(y2) + "\" stroke=\"" + colour + "\" stroke-width=\"" + Num(width) + "\"/>";
}

}  // namespace

namespace {

struct Colours {
    const char *background, *text, *grid, *altitude, *speed, *event, *warning;
};

const Colours kLight{"#ffffff", "#202020", "#d9d9d9", "#1f5fbf", "#c25e00", "#555555", "#c62828"};
const Colours kDark{"#1e1e1e", "#e8e8e8", "#454545", "#6cb4ff", "#ffae57", "#bdbdbd", "#ff7070"};

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
void WriteAxes(std::ostream& out, const Frame& fr, double altStep, double speedStep,
               const Colours& c) {
    for (double a = 0; a <= fr.altTop + 0.5; a += altStep) {
        out << Line(fr.left, fr.yAlt(a), fr.right, fr.yAlt(a), c.grid, 1)
            << Text(fr.left - 8, fr.yAlt(a) + 4, IntText(static_cast<int64_t>(a)), "end", c.altitude);
    }
    for (double s = 0; s <= fr.speedTop + 0.5; s += speedStep)
        out << Text(fr.right + 8, fr.ySpeed(s) + 4, IntText(static_cast<int64_t>(s)), "start", c.speed);
    const double step = TimeStep(fr.t1 - fr.t0);
    for (double t = std::ceil(fr.t0 / step) * step; t <= fr.t1; t += step) {
        const int64_t day = static_cast<int64_t>(t) % 86400;
        char hhmm[8];
        std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", static_cast<int>(day / 3600),
                      static_cast<int>(day / 60 % 60));
        out << Line(fr.x(t), fr.top, fr.x(t), fr.bottom, c.grid, 1)
            << Text(fr.x(t), fr.bottom + 18, hhmm, "middle", c.text);
    }
    out << Line(fr.left, fr.bottom, fr.right, fr.bottom, c.text, 1.5)
        << Text(fr.left, fr.top - 14, "Altitude (ft)", "start", c.altitude, 14)
        << Text(fr.right, fr.top - 14, "Ground speed (kt)", "end", c.speed, 14)
        << Text((fr.left + fr.right) / 2, fr.bottom + 40, "Time (UTC)", "middle", c.text, 14);
}

// A line through the points, leaving out those that would not move it by half a pixel.
void WriteSeries(std::ostream& out, FlightPoints& points, const Frame& fr, bool altitude,
                 const char* colour) {
    out << "<polyline fill=\"none\" stroke=\"" << colour << "\" stroke-width=\"2\" points=\"";
    double lastX = -1, lastY = -1;
    points.forEachPoint([&](const std::string& line) {
        const LogFields f(line);
        const auto t = StampSeconds(f[1]);
        if (!t) return;
        const double x = fr.x(static_cast<double>(*t));
        const double y = altitude ? fr.yAlt(NumericValue(f[4])) : fr.ySpeed(NumericValue(f[11]));
        if (std::abs(x - lastX) < 0.5 && std::abs(y - lastY) < 0.5) return;
        out << Num(x) << ',' << Num(y) << ' ';
        lastX = x;
        lastY = y;
    });
    out << "\"/>";
}

// Each event as a dashed line and its label, in the first of four rows where the label does
// not run into the one before it.
void WriteEvents(std::ostream& out, const std::vector<Event>& events, const Frame& fr,
                 double pictureWidth, const Colours& c) {
    double rowEnd[4] = {-1e9, -1e9, -1e9, -1e9};
    for (const Event& e : events) {
        const double x = fr.x(e.time);
        const double width = 7.0 * static_cast<double>(e.label.size()) + 8;
        int row = 0;
        while (row < 3 && rowEnd[row] > x) ++row;
        rowEnd[row] = x + width;
        const char* colour = e.warning ? c.warning : c.event;
        const double y = fr.top + 14 + 16 * row;
        // A label that would leave the picture ends at its line instead.
        const bool before = x + width > pictureWidth;
        out << "<line x1=\"" << Num(x) << "\" y1=\"" << Num(y + 3) << "\" x2=\"" << Num(x)
            << "\" y2=\"" << Num(fr.bottom) << "\" stroke=\"" << colour
            << "\" stroke-width=\"1\" stroke-dasharray=\"4 3\"/>"
            << Text(before ? x - 3 : x + 3, y, e.label, before ? "end" : "start", colour, 12);
    }
}

}  // namespace

bool WriteProfileSvg(FlightPoints& points, const ProfileLook& look, std::ostream& out) {
    const Colours& c = look.dark ? kDark : kLight;
    const Ranges r = MeasureFlight(points);
    if (r.points == 0) return false;
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
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""
        << " width=\"" << look.width << "\" height=\"" << look.height << "\" viewBox=\"0 0 "
        << look.width << ' ' << look.height << "\"><rect width=\"" << look.width << "\" height=\""
        << look.height << "\" fill=\"" << c.background << "\"/>";
    WriteAxes(out, fr, altStep, speedStep, c);
    WriteEvents(out, events, fr, look.width, c);
    WriteSeries(out, points, fr, false, c.speed);
    WriteSeries(out, points, fr, true, c.altitude);
    out << "</svg>\n";
    return true;
}

}  // namespace flenmark
