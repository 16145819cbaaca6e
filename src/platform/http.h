#pragma once

#include <optional>
#include <string>

namespace flenmark {

// Plain GET requests to the vendor's web server. While a request waits, the program stays
// responsive (its windows redraw and take clicks).
class Http {
  public:
    virtual ~Http() = default;
    // The body of a successful answer (bytes as they came), nullopt on any failure.
    virtual std::optional<std::string> fetch(const std::string& url) = 0;
};

}  // namespace flenmark
