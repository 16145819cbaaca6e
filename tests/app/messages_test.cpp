#include "app/messages.h"

#include <gtest/gtest.h>

#include "app/conversion_command.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

TEST(ShowMessage, EventMessagesGoToTheOpenStatusWindow) {
    testing::TestProgram t;
    t.program.mainView.label7.text = "Logging started.";
    t.program.StatusWindowOpen = true;
    ShowMessage(t.program, "Event: Gear down");
    EXPECT_EQ(t.program.statusView.lblEvent.text, "Event: Gear down");
    EXPECT_EQ(t.program.mainView.label7.text, "Logging started.");
    EXPECT_EQ(t.ui.statusTimerRestarts, 1);
    EXPECT_EQ(t.ui.messageTimerRestarts, 0);
}

TEST(ShowMessage, OtherMessagesAndAllWhileClosedGoToTheMainLine) {
    testing::TestProgram t;
    t.program.StatusWindowOpen = true;
    ShowMessage(t.program, "Logging stopped.");
    EXPECT_EQ(t.program.mainView.label7.text, "Logging stopped.");
    t.program.StatusWindowOpen = false;
    ShowMessage(t.program, "Event: Gear up");
    EXPECT_EQ(t.program.mainView.label7.text, "Event: Gear up");
    EXPECT_EQ(t.ui.messageTimerRestarts, 2);
    ClearMessageLine(t.program);
    EXPECT_EQ(t.program.mainView.label7.text, "");
}

// When nothing opens a document, the user learns what and where it is instead of silence.
TEST(OpenOrTellWhere, SaysWhatCouldNotBeOpenedAndWhereItIs) {
    testing::TestProgram t;
    EXPECT_TRUE(OpenOrTellWhere(t.program, "/tmp/a.kml", "the flight in Google Earth"));
    EXPECT_EQ(t.program.mainView.label7.text, "");
    t.shell.openSucceeds = false;
    EXPECT_FALSE(OpenOrTellWhere(t.program, "/tmp/a.kml", "the flight in Google Earth"));
    EXPECT_EQ(t.program.mainView.label7.text,
              "Unable to open the flight in Google Earth; it is at /tmp/a.kml.");
    OpenSavedTracksFolder(t.program);
    EXPECT_EQ(t.program.mainView.label7.text, "Unable to open the saved tracks folder; it is at " +
                                                   t.folders.documentsRoot() +
                                                   "/Flenmark files/.");
}

}  // namespace
}  // namespace flenmark
