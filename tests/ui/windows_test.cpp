#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/messages.h"
#include "app/status_window.h"
#include "ui/options_dialog.h"
#include "ui/parameters_dialog.h"
#include "ui/window_fixture.h"

namespace flenmark::ui {
namespace {

using flenmark::testing::ReadFile;

using Fixture = testing::WindowFixture;

TEST(TcasWindow, ModeCycleZoomLimitsAndTargets) {
    Fixture f;
    f.program.telemetry.LatText = "52";
    f.program.telemetry.LonText = "4";
    f.program.telemetry.AltText = "1000";
    f.program.telemetry.HDGText = "0";
    f.link.poke<int32_t>(0xF080, 7);
    f.link.poke<float>(0xF084, 52.0166f);
    f.link.poke<float>(0xF088, 4.0f);
    f.link.poke<float>(0xF08C, 1300.0f);
    f.window.openTcasWindow();
    TcasWindow* w = f.window.tcasWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "TCAS");
    EXPECT_EQ(f.text(static_cast<QWidget*>(w), "Label11"), "OFF");
    EXPECT_EQ(f.text(static_cast<QWidget*>(w), "Label10"), "20NM");
    for (int i = 0; i < 4; ++i) QTest::mouseClick(w->button("btn_ToggleTCAS"), Qt::LeftButton);
    EXPECT_EQ(f.text(static_cast<QWidget*>(w), "Label11"), "ALL");
    for (int i = 0; i < 4; ++i) QTest::mouseClick(w->button("btn_zoomin"), Qt::LeftButton);
    EXPECT_EQ(f.text(static_cast<QWidget*>(w), "Label10"), "5NM");
    for (int i = 0; i < 5; ++i) QTest::mouseClick(w->button("btn_zoomout"), Qt::LeftButton);
    EXPECT_EQ(f.text(static_cast<QWidget*>(w), "Label10"), "40NM");
    w->tick();
    ASSERT_EQ(f.program.tcasView.targets.size(), 1u);
    EXPECT_EQ(f.program.tcasView.targets[0].caption, "+3");
    EXPECT_EQ(f.program.tcasView.targets[0].traffic, 4);
    EXPECT_FALSE(w->grab().isNull());  // the scope paints its targets
    w->close();
    EXPECT_FALSE(f.program.TCASWindowOpen);
    EXPECT_FALSE(w->timer().isActive());
}

TEST(StatusWindow, VerticalSpeedTurnsRedAtSixThousandEitherWay) {
    Fixture f;
    f.window.openStatusWindow();
    StatusWindow* w = f.window.statusWindow();
    ASSERT_NE(w, nullptr);
    f.program.telemetry.AltText = "-12";
    f.program.telemetry.GndSpdText = "145,9";
    for (const auto& [vs, red] : {std::pair{"6000", true}, {"-5999,5", true}, {"5999", false}}) {
        f.program.telemetry.VSText = vs;
        UpdateStatusWindow(f.program);
        w->render();
        const QColor drawn(w->label("Label4")->styleSheet().section(' ', 1).chopped(1));
        EXPECT_EQ(drawn.red() > 2 * drawn.green(), red) << vs;
    }
    EXPECT_EQ(w->label("Label3")->text(), "ALT: -12");
    EXPECT_EQ(w->label("Label1")->text(), "GND SPD: 145");
}

TEST(ParametersDialog, BoxesAreNormalisedWhenTheyLoseFocus) {
    Fixture f;
    ParametersDialog d(f.port, f.dialogs, &f.window);
    d.show();
    QApplication::setActiveWindow(&d);
    const std::pair<const char*, const char*> cases[] = {
        {"AltOffset", "-250"}, {"HDGOffset", "200"}, {"ChaseTilt", "12.7"}, {"GNDRange", "lots"}};
    const char* expected[] = {"250", "180", "12", "0"};
    for (size_t i = 0; i < std::size(cases); ++i) {
        QLineEdit* box = d.box(cases[i].first);
        ASSERT_NE(box, nullptr) << cases[i].first;
        box->setFocus();
        box->setText(cases[i].second);
        d.box("CheckVS")->setFocus();  // focus moves on
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(box, &out);
        EXPECT_EQ(box->text(), expected[i]) << cases[i].first;
    }
    QTest::mouseClick(d.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    EXPECT_EQ(f.program.settings.AltOffset, 250);
    EXPECT_EQ(f.program.settings.HDGOffset, 180);
    EXPECT_EQ(f.program.settings.ChaseTilt, 12);
    EXPECT_NE(ReadFile(f.folders.data() + "Offsets.txt").find("AltOffset=250\r\n"),
              std::string::npos);
}

TEST(OptionsDialog, OkStoresAndCancelDoesNot) {
    Fixture f;
    {
        OptionsDialog d(f.port, f.dialogs, &f.window);
        EXPECT_TRUE(d.findChild<QCheckBox*>("Check3")->isChecked());
        d.findChild<QCheckBox*>("Check3")->setChecked(false);
        d.findChild<QLineEdit*>("txtXPlanePath")->setText("/opt/X-Plane/Resources/plugins");
        QTest::mouseClick(d.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    }
    EXPECT_TRUE(f.program.settings.Update);
    {
        OptionsDialog d(f.port, f.dialogs, &f.window);
        d.findChild<QCheckBox*>("Check3")->setChecked(false);
        d.findChild<QLineEdit*>("txtXPlanePath")->setText("/opt/X-Plane/Resources/plugins");
        QTest::mouseClick(d.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    }
    EXPECT_FALSE(f.program.settings.Update);
    EXPECT_EQ(f.program.settings.XPlanePath, "/opt/X-Plane/Resources/plugins");
    EXPECT_NE(ReadFile(f.folders.data() + "Offsets.txt").find("Update=False\r\n"),
              std::string::npos);
}

TEST(MainWindow, EveryButtonWhileNotConnectedLeavesTheProgramRunning) {
    Fixture f;
    f.link.CloseLink();
    f.link.hostPresent = false;
    f.program.Connected = false;
    f.dialogs.yesNoAnswer = false;
    f.dialogs.textAnswer.reset();
    for (QPushButton* b : f.window.findChildren<QPushButton*>()) {
        if (b->objectName() == "btn_Options") continue;  // modal: tested on its own
        b->setEnabled(true);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    f.window.tick();
    EXPECT_EQ(f.window.findChild<QLabel*>("lblConnect")->text(), "Not connected");
}

}  // namespace
}  // namespace flenmark::ui
