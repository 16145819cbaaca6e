#pragma once

#include <map>
#include <string>
#include <vector>

#include "online/vendor_address.h"
#include "platform/http.h"

namespace flenmark::testing {

// Answers from a table of addresses (paths on the vendor's server) and records the requests.
class FakeHttp final : public Http {
  public:
    bool download(const std::string& url, const Sink& sink, int) override {
        const auto body = fetch(url);
        return body && sink(*body);
    }
    std::optional<std::string> fetch(const std::string& url) override {
        requests.push_back(url);
        const std::string base = VendorBaseUrl();
        const std::string path = url.rfind(base, 0) == 0 ? url.substr(base.size()) : url;
        const auto it = answers.find(path.substr(0, path.find('?')));
        if (it == answers.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> answers;
    std::vector<std::string> requests;
};

}  // namespace flenmark::testing
