#include "fgbridge/flightgear_address.h"

#include <cctype>

namespace flenmark::fgbridge {

std::string FlightGearAddressProblem(const std::string& url) {
    const std::string scheme = "http://";
    if (url.compare(0, 8, "https://") == 0)
        return "FlightGear's property server speaks plain HTTP: use http://";
    if (url.compare(0, scheme.size(), scheme) != 0)
        return "the address begins with http://, as in http://127.0.0.1:8080";
    std::string rest = url.substr(scheme.size());
    if (!rest.empty() && rest.back() == '/') rest.pop_back();
    if (rest.find_first_of("/?#@") != std::string::npos)
        return "the address is http://HOST:PORT, with nothing after the port";
    const size_t colon = rest.rfind(':');
    const std::string host = rest.substr(0, colon);
    if (host.empty()) return "the address names no host";
    if (colon == std::string::npos) return "";
    const std::string port = rest.substr(colon + 1);
    bool digits = !port.empty() && port.size() <= 5;
    for (char c : port) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (!digits || std::stol(port) < 1 || std::stol(port) > 65535)
        return "the port is a number from 1 to 65535";
    return "";
}

}  // namespace flenmark::fgbridge
