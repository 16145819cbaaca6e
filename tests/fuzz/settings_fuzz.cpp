// "Offsets.txt" as anyone may have left it: load, save, load and save again; the second save
// writes what the first did.
#include "app/settings_store.h"
#include "fuzz_program.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    testing::TestProgram& t = fuzz::Program();
    t.program.DecimalSeparator = size % 2 ? ',' : '.';
    const std::string path = t.dataPath("Offsets.txt");
    testing::WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
    LoadSettings(t.program);
    SaveSettings(t.program);
    const std::string first = testing::ReadFile(path);
    LoadSettings(t.program);
    SaveSettings(t.program);
    fuzz::Require(testing::ReadFile(path) == first, "saving what was loaded changes nothing");
    return 0;
}
