#include "cli/profile_command.h"

#include <cctype>
#include <iostream>
#include <sstream>

#include "base/atomic_file_writer.h"
#include "base/number_text.h"
#include "exports/flight_export.h"
#include "exports/flight_profile.h"
#include "platform/svg_picture.h"

namespace flenmark::cli {
int RunProfileCommand(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    ProfileLook look;
    for (const std::string& a : args) {
        if (a == "--dark")
            look.dark = true;
        else
            paths.push_back(a);
    }
    const std::string ext = paths.size() == 2 ? FileExtension(paths[1]) : "";
    if (ext != "svg" && ext != "png") {
        std::cerr << "usage: flenmark-cli profile LOG OUT.svg|OUT.png [--dark]\n";
        return 1;
    }
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
