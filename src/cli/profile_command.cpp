#include "cli/profile_command.h"

#include <cctype>
#include <iostream>
#include <sstream>

#include "base/atomic_file_writer.h"
#include "base/number_text.h"
#include "exports/flight_profile.h"
#include "platform/svg_picture.h"

namespace flenmark::cli {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    if (text.size() < end.size()) return false;
    std::string tail = text.substr(text.size() - end.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == end;
}

}  // namespace

int RunProfileCommand(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    ProfileLook look;
    for (const std::string& a : args) {
        if (a == "--dark")
            look.dark = true;
        else
            paths.push_back(a);
    }
    if (paths.size() != 2 || !(EndsWith(paths[1], ".svg") || EndsWith(paths[1], ".png"))) {
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
    if (drawn && EndsWith(paths[1], ".png")) {
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
