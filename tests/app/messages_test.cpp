#include "app/messages.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace flenmark
