#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace flenmark {

// What one answer may hold: texts (the version file, messages, probes) and downloads.
inline constexpr uint64_t kMaxTextAnswerBytes = 1 << 20;
inline constexpr uint64_t kMaxDownloadBytes = uint64_t{256} << 20;

// Plain GET requests to the vendor's web server. While a request waits, the program stays
// responsive (its windows redraw and take clicks). Redirects are followed only to the same
// scheme, host and port.
class Http {
  public:
    virtual ~Http() = default;
    using Sink = std::function<bool(std::string_view)>;

    // The body of a successful answer (bytes as they came) within the client's fetch limits
    // (kMaxTextAnswerBytes for the vendor's texts); nullopt on any failure or a larger answer.
    std::optional<std::string> fetch(const std::string& url);
    // Streams the body of a successful answer into `sink` as it arrives, at most
    // kMaxDownloadBytes, within `timeoutMs`. False on any failure, a larger answer, or a sink
    // that returned false; what the sink took by then is the caller's to throw away.
    bool download(const std::string& url, const Sink& sink, int timeoutMs) {
        return get(url, kMaxDownloadBytes, sink, timeoutMs);
    }

  protected:
    // One request: the body of a 2xx answer of at most maxBytes into the sink.
    virtual bool get(const std::string& url, uint64_t maxBytes, const Sink& sink,
                     int timeoutMs) = 0;
    // How long a text fetch may take and how large its answer may be.
    struct FetchLimits {
        int timeoutMs;
        uint64_t maxBytes;
    };
    virtual FetchLimits fetchLimits() const = 0;
};

}  // namespace flenmark
