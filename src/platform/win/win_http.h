#pragma once

#include <atomic>

#include "platform/http.h"

namespace flenmark {

// Requests through WinHTTP, with the limits of every Http: a time-out for the whole request
// (redirects included), answers capped as they arrive, redirects followed only to the same
// scheme, host and port. The request runs on a thread of its own while the caller's thread
// keeps handling its window messages, so the windows stay responsive.
class WinHttp final : public Http {
  public:
    explicit WinHttp(int timeoutMs = 8000) : timeoutMs_(timeoutMs) {}
    // Ends the request that is waiting, as a failure.
    void cancel() { cancelled_ = true; }

  protected:
    bool get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) override;
    FetchLimits fetchLimits() const override { return {timeoutMs_, kMaxTextAnswerBytes}; }

  private:
    bool getHere(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs);
    int timeoutMs_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace flenmark
