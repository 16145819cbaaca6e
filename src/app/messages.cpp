#include "app/messages.h"

#include "app/program.h"

namespace flenmark {

void ShowMessage(Program& program, const std::string& text) {
    if (program.StatusWindowOpen && text.rfind("Event: ", 0) == 0) {
        program.statusView.lblEvent.text = text;
        program.services.ui.restartStatusMessageTimer();
        return;
    }
    program.mainView.label7.text = text;
    program.services.ui.restartMessageTimer();
}

bool OpenOrTellWhere(Program& program, const std::string& pathOrAddress, const std::string& what) {
    if (program.services.shell.open(pathOrAddress)) return true;
    ShowMessage(program, "Unable to open " + what + "; it is at " + pathOrAddress + ".");
    return false;
}

void ClearMessageLine(Program& program) {
    program.mainView.label7.text.clear();
}

void ClearStatusEventLine(Program& program) {
    program.statusView.lblEvent.text.clear();
}

}  // namespace flenmark
