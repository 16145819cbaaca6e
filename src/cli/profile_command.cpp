#include "cli/profile_command.h"

#include <cctype>
#include <iostream>
#include <sstream>

#include "base/atomic_file_writer.h"
#include "base/command_line_error.h"
#include "base/number_text.h"
#include "cli/file_arguments.h"
#include "exports/flight_export.h"
#include "exports/flight_profile.h"
#include "platform/svg_picture.h"

namespace flenmark::cli {
int RunProfileCommand(const std::vector<std::string>& args) {
    const FileArguments f = ReadFileArguments(args, "profile", {"--dark"}, {"svg", "png"});
    if (!f.error.empty()) {
        ReportCommandLineError("flenmark-cli", f.error);
        return 1;
    }
    const std::vector<std::string> paths{f.log, f.out};
    const std::string ext = FileExtension(f.out);
    ProfileLook look;
    look.dark = f.dark;
    FlightPoints points{paths[0]};
    std::ostringstream svg;
    bool drawn = false;
    try {
        drawn = WriteProfileSvg(points, look, svg);
    } catch (const ConversionFault&) {
    }
    if (drawn && ext == "png") {
        drawn = WriteSvgAsPng(svg.str(), paths[1]);
    } else if (drawn) {
        AtomicFileWriter file(paths[1]);
        file.stream() << svg.str();
        drawn = file.isOpen() && file.commit();
    }
    if (!drawn) std::cerr << "Not able to draw the flight profile\n";
    return drawn ? 0 : 1;
}

}  // namespace flenmark::cli
