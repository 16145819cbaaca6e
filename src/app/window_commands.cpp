#include "app/window_commands.h"

#include "app/dialog_models.h"
#include "app/logging_control.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/status_window.h"
#include "online/vendor_address.h"
#include "platform/data_folders.h"

namespace flenmark {

bool ToggleMainOnTop(Program& program) {
    program.MainOnTop = !program.MainOnTop;
    ShowMessage(program,
                program.MainOnTop ? "Window set always on top." : "Always on top disabled.");
    return program.MainOnTop;
}

void OpenManual(Program& program) {
    if (!program.services.dialogs.askYesNo("Open manual",
                                           "Are you sure you want to open the user's manual?"))
        return;
    try {
        const Folders& folders = program.services.folders;
        if (const auto manual = FindResource(folders, "Manual.pdf"))
            OpenOrTellWhere(program, *manual, "the manual");
        else
            ShowMessage(program, "The manual is missing: looked for " +
                                     ResourcePlaces(folders, "Manual.pdf") + ".");
    } catch (const FolderError&) {
    }
}

void OpenWebsite(Program& program) {
    if (!program.services.dialogs.askYesNo(
            "Go to website", "Are you sure you want to open the " + program.AppTitle + " website?"))
        return;
    OpenOrTellWhere(program, VendorBaseUrl() + "/flenmark", "the website");
}

bool StartLoggingQuestionDue(const ProgramView& view) {
    return view.firstMinimize && !view.logging && view.connected;
}

bool AskStartLogging(Dialogs& dialogs) {
    return dialogs.askYesNo("Logging", "Start logging?");
}

void AnswerFirstMinimize(Program& program, bool startLogging) {
    const bool due = program.FirstMinimize && !program.Logging && program.Connected;
    program.FirstMinimize = false;
    program.mainView.minimized = true;
    if (due && startLogging) StartLogging(program);
}

void MainWindowRestored(Program& program) {
    program.mainView.minimized = false;
}

void StatusWindowOpened(Program& program) {
    program.StatusWindowOpen = true;
    UpdateStatusWindow(program);
}

void StatusWindowClosed(Program& program) {
    program.StatusWindowOpen = false;
}

void TcasWindowOpened(Program& program) {
    program.TCASWindowOpen = true;
}

void TcasWindowClosed(Program& program) {
    program.TCASWindowOpen = false;
    program.tcasView.targets.clear();
}

void BrowseForXPlane(Program& program) {
    if (program.extensions.browseXPlane)
        program.extensions.browseXPlane();
    else
        BrowseXPlaneFolder(program);
}

}  // namespace flenmark
