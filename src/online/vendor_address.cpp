#include "online/vendor_address.h"

#include <cstdlib>

namespace flenmark {
namespace {

constexpr const char* kVendorBaseUrl = "https://www.flenmark.org";

}  // namespace

std::string VendorBaseUrl() {
    const char* override = std::getenv("FLENMARK_VENDOR_URL");
    std::string base = override && *override ? override : kVendorBaseUrl;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

}  // namespace flenmark
