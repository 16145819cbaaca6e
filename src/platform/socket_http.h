#pragma once

#include "platform/http.h"

namespace flenmark {

// HTTP/1.0 GET over a plain socket (BSD sockets or Winsock), for "http://host:port/path"
// addresses (no TLS), with a time-out for the whole request. For programs without an event
// loop. Follows no redirect.
class SocketHttp final : public Http {
  public:
    explicit SocketHttp(int timeoutMs = 2000, uint64_t maxAnswerBytes = kMaxTextAnswerBytes)
        : timeoutMs_(timeoutMs), maxAnswerBytes_(maxAnswerBytes) {}

  protected:
    bool get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) override;
    FetchLimits fetchLimits() const override { return {timeoutMs_, maxAnswerBytes_}; }

  private:
    int timeoutMs_;
    uint64_t maxAnswerBytes_;
};

}  // namespace flenmark
