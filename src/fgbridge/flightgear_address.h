#pragma once

#include <string>

namespace flenmark::fgbridge {

// Why the bridge cannot use `url` as FlightGear's property server, or empty when it can. The
// bridge speaks plain HTTP: "http://HOST" or "http://HOST:PORT", with nothing after the port.
std::string FlightGearAddressProblem(const std::string& url);

}  // namespace flenmark::fgbridge
