#pragma once

#include <QEventLoop>
#include <QNetworkAccessManager>

#include "platform/http.h"

namespace flenmark {

// Requests through Qt Network. The wait runs an event loop, so windows stay responsive; a
// fetch that takes longer than the time-out fails. Answers are capped as they arrive.
class QtHttp final : public Http {
  public:
    explicit QtHttp(int timeoutMs = 8000) : timeoutMs_(timeoutMs) {}
    // Ends the request that is waiting, as a failure.
    void cancel();

  protected:
    bool get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) override;
    FetchLimits fetchLimits() const override { return {timeoutMs_, kMaxTextAnswerBytes}; }

  private:
    bool getHere(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs);
    QEventLoop* waiting_ = nullptr;
    QNetworkAccessManager manager_;
    int timeoutMs_;
};

}  // namespace flenmark
