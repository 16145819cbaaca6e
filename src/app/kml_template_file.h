#pragma once

namespace flenmark {

struct Program;

// Loads "KMLSettings.txt" from the program folder. Without it the program cannot run: the
// messages are shown and false returned.
bool LoadKmlTemplates(Program& program);

}  // namespace flenmark
