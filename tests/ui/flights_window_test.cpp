#include "ui/flights_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/flight_keeping.h"
#include "platform/data_folders.h"
#include "ui/window_fixture.h"

namespace flenmark::ui {
namespace {

namespace fs = std::filesystem;

void Keep(const std::string& folder, const std::string& day, const char* position) {
    fs::create_directories(folder);
    flenmark::testing::WriteFile(folder + "Flightlog.txt",
                                 flenmark::testing::ParkedFlightLog(day, position));
}

TEST(FlightsWindow, ListsSortsFiltersAndActsOnTheChosenFlight) {
    testing::WindowFixture f;
    const std::string files = FilesFolder(f.folders);
    Keep(files + "Flight A/", "20090712", "4,76:52,30");
    Keep(files + "Flight B/", "20090713", "-0,46:51,48");
    for (const char* name : {"Flight A", "Flight B"}) IndexKeptFlight(f.program, name);
    QTest::mouseClick(f.window.button("btn_Flights"), Qt::LeftButton);
    FlightsWindow* w = f.window.flightsWindow();
    ASSERT_NE(w, nullptr);
    QAbstractItemModel* table = w->table()->model();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->index(0, 0).data().toString(), "2009-07-13 14:35");  // the latest first
    EXPECT_FALSE(w->button("btn_FlightRename")->isEnabled());             // nothing chosen yet
    w->table()->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(table->index(0, 0).data().toString(), "2009-07-12 14:35");
    w->chooseRow(1);
    ASSERT_TRUE(w->model().chosen());
    EXPECT_EQ(w->model().chosen()->folder, files + "Flight B/");
    w->filter()->setText("07-13");
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_TRUE(w->button("btn_FlightRename")->isEnabled());  // still chosen
    f.dialogs.textAnswer = "Heathrow";
    QTest::mouseClick(w->button("btn_FlightRename"), Qt::LeftButton);
    EXPECT_TRUE(fs::exists(files + "Heathrow/Flightlog.txt"));
    EXPECT_EQ(w->model().chosen()->folder, files + "Heathrow/");
    w->filter()->setText("");
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_NE(w->findChild<QLabel*>("lblTotals")->text().indexOf("2 flights"), -1);
    w->chooseRow(0);
    QTest::mouseClick(w->button("btn_FlightProfile"), Qt::LeftButton);
    ASSERT_NE(w->profileWindow(), nullptr);
    EXPECT_TRUE(w->profileWindow()->hasPicture());
    w->close();
    EXPECT_FALSE(f.program.FlightsWindowOpen);
}

}  // namespace
}  // namespace flenmark::ui
