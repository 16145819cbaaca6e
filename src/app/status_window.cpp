#include "app/status_window.h"

#include <cstdlib>

#include "app/messages.h"
#include "app/program.h"
#include "base/number_text.h"

namespace flenmark {

void UpdateStatusWindow(Program& program) {
    if (!program.StatusWindowOpen) return;
    const TelemetrySnapshot& t = program.telemetry;
    StatusWindowView& s = program.statusView;
    try {
        s.label1.text = "GND SPD: " + IntTextOf(t.GndSpdText);
        s.label12.text = "IAS: " + IntText(IntOf(t.IAS));
        s.label2.text = "HDG: " + IntTextOf(t.HDGText);
        s.label3.text = "ALT: " + t.AltText;
        const int64_t vs = IntOf(NumericValue(t.VSText));
        s.label4 = {"VS: " + IntText(vs),
                    std::llabs(vs) >= 6000 ? TextColour::Red : TextColour::Black};
        s.label8.text = "ALT AGL: " + IntTextOf(t.AltAGLText);
    } catch (const ConversionFault&) {
        // A value out of range: the labels keep what they showed.
    }
}

bool ToggleStatusOnTop(Program& program) {
    program.StatusOnTop = !program.StatusOnTop;
    ShowMessage(program, program.StatusOnTop ? "Aircraft status window set always on top."
                                             : "Aircraft status always on top disabled.");
    return program.StatusOnTop;
}

}  // namespace flenmark
