#include "exports/flight_profile.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "kml/kml_test_support.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

constexpr int kLabelSize = 12;  // event labels; the axes' texts are larger

struct Point {
    int second;  // after 10:00:00 UTC
    int altitude;
    int ground;
    std::string code;
};

std::string LogOf(const std::vector<Point>& points) {
    std::string log;
    for (const Point& p : points) {
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "20090712%02d%02d%02d", 10 + p.second / 3600,
                      p.second / 60 % 60, p.second % 60);
        log += testing::LogLine(stamp, "4,76", "52,3", std::to_string(p.altitude), p.ground, p.code,
                                "-") +
               "\r\n";
    }
    return log;
}

std::vector<FigureText> Texts(const Figure& figure) {
    std::vector<FigureText> texts;
    for (const FigureShape& shape : figure.shapes)
        if (const auto* t = std::get_if<FigureText>(&shape)) texts.push_back(*t);
    return texts;
}

// Crowded flights: the approach whose touchdown label ran over the flaps and markers, gear up
// in the last second, events in the first and last seconds, a dozen events in one second,
// long labels side by side in a short flight, and a window at its smallest.
TEST(FlightProfile, LabelsNeitherOverlapAnyTextNorLeaveThePlot) {
    struct Flight {
        std::string name;
        std::vector<Point> points;
        ProfileLook look;
    };
    std::vector<Point> dozen = {{0, 0, 1, "SA"}, {600, 0, 1, "-"}};
    for (const char* code : {"GU", "GD", "OM", "MM", "IM", "O", "S", "FL=5", "FL=10", "FL=15"})
        dozen.push_back({300, 2000, 0, code});
    dozen.push_back({300, 0, 1, "TD=-900/1"});
    dozen.push_back({300, 0, 1, "TO=2"});
    const std::vector<Flight> flights = {
        {"approach",
         {{0, 3000, 0, "SA"},
          {1500, 1200, 0, "FL=20"},
          {1510, 1100, 0, "OM"},
          {1525, 900, 0, "FL=50"},
          {1540, 200, 0, "IM"},
          {1550, 0, 1, "TD=-312/2"},
          {1800, 0, 1, "GU"}},
         {}},
        {"both ends",
         {{0, 0, 1, "TD=-700/1"}, {1, 0, 1, "GD"}, {3598, 0, 1, "TD=-650/2"}, {3599, 0, 1, "GU"}},
         {}},
        {"a dozen in one second", dozen, {}},
        {"long labels, small window",
         {{0, 0, 1, "TD=-980/1"},
          {20, 0, 1, "TD=-950/1"},
          {40, 0, 1, "TD=-920/1"},
          {60, 0, 1, "TD=-10/1"},
          {80, 0, 1, "TD=-400/1"}},
         {600, 300, true, "", ""}},
    };
    for (const Flight& flight : flights) {
        testing::TempFolders folders;
        const std::string log = folders.data() + "Flightlog.txt";
        testing::WriteFile(log, LogOf(flight.points));
        FlightPoints points{log};
        const auto figure = DrawProfile(points, flight.look);
        ASSERT_TRUE(figure) << flight.name;
        const auto texts = Texts(*figure);
        for (size_t i = 0; i < texts.size(); ++i) {
            const FigureBox box = TextBox(texts[i]);
            if (texts[i].sizePixels == kLabelSize) {
                EXPECT_TRUE(BoxInside(box, figure->plot)) << flight.name << ": " << texts[i].text;
            }
            EXPECT_TRUE(BoxInside(box, {0, 0, 1.0 * figure->width, 1.0 * figure->height}))
                << flight.name << ": " << texts[i].text;
            for (size_t k = i + 1; k < texts.size(); ++k)
                EXPECT_FALSE(BoxesOverlap(box, TextBox(texts[k])))
                    << flight.name << ": " << texts[i].text << " and " << texts[k].text;
        }
    }
}

// A flight at a steady 30,000 ft stays clear of the top border; the title names the flight,
// its day and, when given, its airports.
TEST(FlightProfile, LeavesHeadroomAboveTheHighestPointAndHasATitle) {
    testing::TempFolders folders;
    const std::string log = folders.data() + "Flightlog.txt";
    testing::WriteFile(log, LogOf({{0, 30000, 0, "SA"}, {3600, 30000, 0, "-"}}));
    FlightPoints points{log};
    const auto figure = DrawProfile(points, {1200, 600, false, "", "EHAM - EGLL"});
    ASSERT_TRUE(figure);
    const auto& altitude = std::get<FigurePolyline>(figure->shapes.back());
    EXPECT_GT(altitude.points.front().second, figure->plot.y + figure->plot.height / 20);
    EXPECT_EQ(Texts(*figure).front().text, "Flightlog \u00b7 2009-07-12 \u00b7 EHAM - EGLL");
}

}  // namespace
}  // namespace flenmark
