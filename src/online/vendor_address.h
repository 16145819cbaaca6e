#pragma once

#include <string>

namespace flenmark {

// The vendor's web server, without a trailing slash. FLENMARK_VENDOR_URL (a base address
// such as http://127.0.0.1:8080) replaces it, for tests and private mirrors.
std::string VendorBaseUrl();

}  // namespace flenmark
