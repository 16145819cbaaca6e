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
    std::map<std::string, std::string> answers;
    std::vector<std::string> requests;

  protected:
    bool get(const std::string& url, uint64_t maxBytes, const Sink& sink, int) override {
        requests.push_back(url);
        const std::string base = VendorBaseUrl();
        const std::string path = url.rfind(base, 0) == 0 ? url.substr(base.size()) : url;
        const auto it = answers.find(path.substr(0, path.find('?')));
        return it != answers.end() && it->second.size() <= maxBytes && sink(it->second);
    }
    FetchLimits fetchLimits() const override { return {1000, kMaxTextAnswerBytes}; }
};

}  // namespace flenmark::testing
