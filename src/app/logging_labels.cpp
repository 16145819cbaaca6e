#include "app/logging_labels.h"

#include "app/program.h"

namespace flenmark {

void UpdateLoggingLabels(Program& program, bool logging, bool written, bool realtime) {
    MainWindowView& view = program.mainView;
    if (!logging) {
        view.label5 = {"No logging", TextColour::Black};
        view.label13.text = "No animation";
    } else {
        view.label5 = {"Logging", written ? TextColour::Green : TextColour::Black};
        view.label13.text = program.Animation ? "Animation" : "No animation";
    }
    view.label6.text = realtime ? "Realtime" : "No realtime";
}

}  // namespace flenmark
