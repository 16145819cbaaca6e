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
    // The body of a successful answer (bytes as they came) of at most kMaxTextAnswerBytes;
    // nullopt on any failure or a larger answer.
    virtual std::optional<std::string> fetch(const std::string& url) = 0;
    // Streams the body of a successful answer into `sink` as it arrives, at most
    // kMaxDownloadBytes, within `timeoutMs`. False on any failure, a larger answer, or a sink
    // that returned false; what the sink took by then is the caller's to throw away.
    using Sink = std::function<bool(std::string_view)>;
    virtual bool download(const std::string& url, const Sink& sink, int timeoutMs) = 0;
};

}  // namespace flenmark
