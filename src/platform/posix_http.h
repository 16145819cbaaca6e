#pragma once

#include "platform/http.h"

namespace flenmark {

// HTTP/1.0 GET over a plain socket, for "http://host:port/path" addresses (no TLS), with a
// time-out for the whole request. For programs without an event loop.
class PosixHttp final : public Http {
  public:
    explicit PosixHttp(int timeoutMs = 2000) : timeoutMs_(timeoutMs) {}
    std::optional<std::string> fetch(const std::string& url) override;

  private:
    int timeoutMs_;
};

}  // namespace flenmark
